"""The Debian package as a storeroom's computer gets it: built with CPack,
unpacked into a scratch root, its files checked by Debian's validators, and
the installed program started on a fresh user account, keeping its data in
the user's folder."""
import glob
import os
import subprocess

from harness import desktop, flows
from harness.program import Program
from harness.steps import expect_equal

EXPECTED_FILES = [
    "usr/bin/varnela",
    "usr/share/applications/varnela.desktop",
    "usr/share/icons/hicolor/scalable/apps/varnela.svg",
    "usr/share/icons/hicolor/48x48/apps/varnela.png",
    "usr/share/icons/hicolor/256x256/apps/varnela.png",
    "usr/share/metainfo/ro.varnela.Varnela.metainfo.xml",
    "usr/share/man/man1/varnela.1.gz",
    "usr/share/doc/varnela/copyright",
    "usr/share/doc/varnela/changelog.gz",
]


def run(*command, cwd=None):
    result = subprocess.run(command, cwd=cwd, capture_output=True, text=True)
    if result.returncode != 0:
        raise AssertionError(f"{' '.join(command)} failed ({result.returncode}):\n{result.stdout}{result.stderr}")
    return result.stdout + result.stderr


def build_package():
    build = os.path.dirname(os.environ["VARNELA_BINARY"])
    for old in glob.glob(os.path.join(build, "varnela_*.deb")):
        os.remove(old)
    run("cpack", "-G", "DEB", cwd=build)
    debs = glob.glob(os.path.join(build, "varnela_*.deb"))
    expect_equal(len(debs), 1, "packages built")
    return debs[0]


def test_package_installs_and_runs_from_the_users_folder(steps, home):
    with steps("build the package"):
        deb = build_package()

    with steps("its control fields name only runtime packages"):
        depends = run("dpkg-deb", "-f", deb, "Depends")
        for needed in ("libqt6widgets6", "libqt6printsupport6", "zlib1g", "fonts-liberation", "qt6-qpa-plugins",
                       "libxlsxwriter"):
            expect_equal(needed in depends, True, f"{needed} among the dependencies {depends.strip()}")
        for build_only in ("gtest", "sqlite", "-dev", "gdal", "dbfread"):
            expect_equal(build_only in depends, False, f"{build_only} among the dependencies")
        expect_equal(run("dpkg-deb", "-f", deb, "Maintainer").strip(), "Echipa Varnela <dezvoltare@varnela.ro>",
                     "the maintainer")

    with steps("lintian finds no error"):
        run("lintian", "--fail-on", "error", deb)

    root = os.path.join(home, "root")
    with steps("unpack it: every file in place, the validators pass"):
        run("dpkg", "-x", deb, root)
        for path in EXPECTED_FILES:
            expect_equal(os.path.isfile(os.path.join(root, path)), True, f"{path} installed")
        run("desktop-file-validate", os.path.join(root, "usr/share/applications/varnela.desktop"))
        run("appstreamcli", "validate", "--no-net",
            os.path.join(root, "usr/share/metainfo/ro.varnela.Varnela.metainfo.xml"))

    user_folder = os.path.join(home, "share", "varnela")
    program = Program(home, binary=os.path.join(root, "usr/bin/varnela"), folder=user_folder)
    steps.program = program
    try:
        with steps("the installed program starts on a fresh account to its main window"):
            program.start()
            flows.unlock(program)
            flows.expect_unlocked(program)
        with steps("its data are in the user's folder, none beside the executable"):
            for table in ("CapNote.dbf", "Note.dbf", "Gestiuni.dbf", "Varnela2.ini"):
                path = os.path.join(user_folder, "Data", table)
                desktop.wait_for(lambda: os.path.exists(path), f"{path}")
            expect_equal(sorted(os.listdir(os.path.join(root, "usr/bin"))), ["varnela"],
                         "files beside the installed executable")
        with steps("Esc and DA end it"):
            flows.quit_program(program)
    finally:
        program.stop()
        steps.keep_log(program.log_path)
