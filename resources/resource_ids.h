// Numbers of the executable's resources, shared by the resource script and
// the code that loads them.
#pragma once

#define IDI_MAINICON 1
#define IDI_TRAYICON 2
#define IDB_IMLIST_MENU 101
#define IDR_ABOUT_SEAL 201
#define IDR_ABOUT_SCENE 202
