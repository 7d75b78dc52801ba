# The patterns, the random sequence and the built-in picture are the core's rules: their tests are
# in core/tests. The pattern buttons in the window are tested with the main window (ui.cmake).
