#!/usr/bin/python3
"""Runs Debian's Orca with its debug log written line by line to LOG, so that a test can wait on
what Orca speaks as it speaks it; alone among any other Orca of this user.
Usage: run_orca.py LOG PREFS-DIR"""
import runpy
import sys

log, prefs = sys.argv[1:3]
orca = runpy.run_path("/usr/bin/orca", run_name="orca_for_a_test")
main = orca["main"]
main.__globals__["otherOrcas"] = lambda: []  # other tests' Orcas run on other buses
from orca import debug  # noqa: E402

debug.debugLevel = debug.LEVEL_INFO
debug.debugFile = open(log, "w", buffering=1)
sys.argv = ["orca", "--user-prefs", prefs, "--disable", "braille"]
sys.exit(main())
