"""Builds the package velmora: its pure-Python files from python/velmora, and the compiled module
_velmora with its type stubs through CMake (the target velmora_python alone).

    python3 -m venv --system-site-packages ENV && ENV/bin/pip install --no-build-isolation .

VELMORA_CMAKE_BUILD_DIR chooses CMake's build directory (default: below setuptools' build_temp),
VELMORA_BUILD_BASE setuptools' build directory (default build/setuptools), VELMORA_JOBS the
parallel jobs (default 2).
"""

import os
import pathlib
import shutil
import subprocess
import sys

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

ROOT = pathlib.Path(__file__).resolve().parent
BUILD_BASE = os.environ.get("VELMORA_BUILD_BASE") or str(ROOT / "build" / "setuptools")
os.makedirs(BUILD_BASE, exist_ok=True)


def version():
    """The project's version as CMake reads it."""
    run = subprocess.run(["cmake", "-P", str(ROOT / "cmake" / "version.cmake")],
                         capture_output=True, text=True, check=True)
    return run.stderr.strip()


class CMakeBuild(build_ext):
    def build_extension(self, ext):
        build = pathlib.Path(os.environ.get("VELMORA_CMAKE_BUILD_DIR")
                             or pathlib.Path(self.build_temp).resolve() / "cmake")
        subprocess.run(["cmake", "-S", str(ROOT), "-B", str(build), "-DCMAKE_BUILD_TYPE=Release",
                        "-DVLM_TESTS=OFF", f"-DPython_EXECUTABLE={sys.executable}"], check=True)
        subprocess.run(["cmake", "--build", str(build), "--target", "velmora_python",
                        "-j", os.environ.get("VELMORA_JOBS", "2")], check=True)
        built = build / "python" / "velmora"
        module = pathlib.Path(self.get_ext_fullpath(ext.name))
        module.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(next(built.glob("_velmora*.so")), module)
        for generated in ("__init__.pyi", "_version.py"):
            shutil.copyfile(built / generated, module.parent / generated)


setup(
    version=version(),
    packages=["velmora"],
    package_dir={"velmora": "python/velmora"},
    package_data={"velmora": ["py.typed"]},
    ext_modules=[Extension("velmora._velmora", sources=[])],
    cmdclass={"build_ext": CMakeBuild},
    # setuptools' own build tree and metadata inside the ignored build/, or where the caller says.
    options={"build": {"build_base": BUILD_BASE}, "egg_info": {"egg_base": BUILD_BASE}},
    zip_safe=False,
)
