# sources of launcher
