# sources of installer
