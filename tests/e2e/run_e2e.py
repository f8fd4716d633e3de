#!/usr/bin/env python3
"""Runs one end-to-end test: run_e2e.py BUILD_DIR SOURCE_DIR EMULATOR MODULE.FUNCTION

Each test is a function test_*(env) in a file test_*.py beside this one.
Exit codes: 0 passed, 1 failed, 77 skipped (no display, no xdotool).
"""
import importlib
import os
import sys
import traceback

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import tolvex_e2e  # noqa: E402


def main(argv):
    if len(argv) != 5:
        print(__doc__)
        return 2
    build_dir, source_dir, emulator, name = argv[1:]
    module_name, function_name = name.rsplit(".", 1)
    try:
        env = tolvex_e2e.Env(build_dir, source_dir, emulator)
        env.check_machine()
        getattr(importlib.import_module(module_name), function_name)(env)
    except tolvex_e2e.Skip as e:
        print("SKIPPED: %s" % e)
        return tolvex_e2e.SKIP
    except Exception:
        traceback.print_exc()
        return 1
    print("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
