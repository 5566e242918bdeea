"""Properties of water and steam over numpy arrays.

Every computing export of the vlmcore5 library under its own name (velmora.vlmHPT) and under
a Python alias (velmora.h_pt; the rule is in the README), and the state interface
(velmora.state_pt, state_ph, state_ps, state_hs, state_tx, state_px, state_pv, state_tv,
state_th, state_ts, state_uv, state_hx, state_sx).  Arguments are numbers
or arrays broadcast together; the loops run in C++ without the GIL.  Settings travel with
each call (settings=velmora.Settings(...)): nothing process-wide is read or changed, so the
functions may be called from any number of threads.
"""

import copyreg
import types

from . import _velmora
from ._error import VelmoraError
from ._velmora import *  # noqa: F401,F403
from ._velmora import EXPORTS, SPELLINGS, Settings, State
from ._version import __version__

try:
    STATE_DTYPE = _velmora._state_dtype()
except ImportError:  # without numpy, numbers still work
    STATE_DTYPE = None

__all__ = (
    ["VelmoraError", "Settings", "State", "STATE_DTYPE", "EXPORTS", "SPELLINGS", "__version__"]
    + [name for entry in EXPORTS for name in entry[:2]]
    + list(SPELLINGS)
    + ["state_pt", "state_ph", "state_ps", "state_hs", "state_tx", "state_px"]
    + ["state_pv", "state_tv", "state_th", "state_ts", "state_uv", "state_hx", "state_sx", "partial"]
)


# The functions are compiled ones bound to a capsule, which pickle cannot store; by name they
# pickle as what they are, a function of this package, so multiprocessing and
# concurrent.futures can send them to their workers.  Every other builtin keeps its own way.
def _reduce_builtin(function, _ours=_velmora.__name__, _previous=copyreg.dispatch_table.get(types.BuiltinFunctionType)):
    if getattr(function, "__module__", None) == _ours:
        return function.__name__
    return _previous(function) if _previous else function.__reduce__()


copyreg.pickle(types.BuiltinFunctionType, _reduce_builtin)
