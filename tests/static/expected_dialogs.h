// The dialog templates every edition must carry.
#pragma once

#include "dialog_compare.h"

// The German and English editions' main dialog, and the Multilingual one with
// its language radio buttons in front.
ExpectedDialog ExpectedMainDialog(bool multilingual);
ExpectedDialog ExpectedInstallDialog();
ExpectedDialog ExpectedProgressDialog();
