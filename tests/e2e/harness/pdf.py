"""Printed documents as a reader sees them: the text pdftotext finds."""
import subprocess


def text(path):
    return subprocess.run(["pdftotext", "-layout", path, "-"], check=True,
                          capture_output=True).stdout.decode("utf-8")
