"""The C library through ctypes, with declared argument types, as the reference."""

import ctypes
import os

import pytest

import velmora


class CLibrary:
    def __init__(self, path):
        self.lib = ctypes.CDLL(path)
        self.lib.vlm_error_text.restype = ctypes.c_char_p
        self.lib.vlm_error_text.argtypes = [ctypes.c_int, ctypes.c_int]
        self.lib.vlmGETLASTERROR.restype = ctypes.c_int
        self.lib.vlmGETCHECKRANGEMODE.restype = ctypes.c_int

    def function(self, name, parameters, kind):
        f = getattr(self.lib, name)
        f.restype = ctypes.c_int if kind == "int" else ctypes.c_double
        f.argtypes = [ctypes.c_double] * len(parameters)
        return f

    def call(self, f, *args):
        """The export's value and the last-error code it left."""
        value = f(*args)
        return value, self.lib.vlmGETLASTERROR()

    def error_text(self, code):
        return self.lib.vlm_error_text(code, 0).decode()


@pytest.fixture(scope="session")
def clib():
    return CLibrary(os.environ["VLMCORE5_LIBRARY"])


@pytest.fixture(scope="session")
def exports():
    return velmora.EXPORTS
