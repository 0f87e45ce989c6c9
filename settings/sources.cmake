# sources of settings
