#include <windows.h>

#include "dalvorn_app.h"
#include "framework/app_main.h"

CDalvornApp theApp;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return AfxWinMain();
}
