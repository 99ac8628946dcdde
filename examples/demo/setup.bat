@echo off
echo The demo disc has nothing to install.
pause
