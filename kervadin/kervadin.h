#pragma once
// The thread-measurement calculator: its start-up and its windows. Every
// window exists once, is created the first time it is asked for and lives
// until the program ends; the program only shows and hides them.

namespace kervadin {

class FrmKervadin3;
class FrmType;
class SizeWindow;
class FrmCustom;
class FrmCheck;

// Shows the measurement window with the focus in its wire-size box; nothing
// else is done at start.
void start();

FrmKervadin3 *frmKervadin3();
FrmType *frmType();
SizeWindow *frmBSFsize();
SizeWindow *frmWhitsize();
SizeWindow *frmUNCsize();
SizeWindow *frmUNFsize();
SizeWindow *frmBAsize();
SizeWindow *frmMetsize();
FrmCustom *frmCustom();
FrmCheck *frmCheck();

} // namespace kervadin
