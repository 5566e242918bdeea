"""The module's error, defined here so that it is an ordinary Python class."""


class VelmoraError(ValueError):
    """A computation failed: .code is the library's code (1 floating-point fault, 2 out of
    range, 3 no convergence, 4 unknown region), .message its text, and .index the index
    of the first failing element of an array call (None for numbers).  .detail names the
    argument, its value and the limit it broke when a call is refused for its range
    ("T = 3000 K is above the upper limit 2273.15 K"), else None."""

    def __init__(self, code, message, index=None, detail=None):
        text = message if detail is None else f"{detail} ({message})"
        super().__init__(text if index is None else f"element {index}: {text}")
        self.code = code
        self.message = message
        self.index = index
        self.detail = detail

    def __reduce__(self):
        # Made again from its parts: it crosses process boundaries (multiprocessing) whole.
        return type(self), (self.code, self.message, self.index, self.detail)
