"""The module's error, defined here so that it is an ordinary Python class."""


class VelmoraError(ValueError):
    """A computation failed: .code is the library's code (1 floating-point fault, 2 out of
    range, 3 no convergence, 4 unknown region), .message its text, and .index the index
    of the first failing element of an array call (None for numbers)."""

    def __init__(self, code, message, index=None):
        super().__init__(message if index is None else f"element {index}: {message}")
        self.code = code
        self.message = message
        self.index = index

    def __reduce__(self):
        # Made again from its parts: it crosses process boundaries (multiprocessing) whole.
        return type(self), (self.code, self.message, self.index)
