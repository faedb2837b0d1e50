"""Fixtures of the end-to-end scenarios: a fresh program folder per scenario,
the program started in it, and the steps that name what failed and keep a
screenshot of the screen at that moment."""
import os
import re
import sys

import pytest

sys.path.insert(0, os.path.dirname(__file__))

from harness.program import Program  # noqa: E402
from harness.steps import Steps  # noqa: E402


@pytest.fixture
def home(tmp_path):
    return str(tmp_path)


@pytest.fixture
def steps(request):
    name = re.sub(r"[^A-Za-z0-9_.-]+", "_", request.node.name)
    folder = os.path.join(os.environ.get("VARNELA_E2E_ARTIFACTS", "/tmp/e2e-artifacts"), name)
    return Steps(folder)


@pytest.fixture
def program(home, steps):
    """The program started on an empty program folder; ended afterwards."""
    running = Program(home)
    steps.program = running
    yield running
    running.stop()
    steps.keep_log(running.log_path)
