# sources of uninstaller
