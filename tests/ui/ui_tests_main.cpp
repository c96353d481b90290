#include <gtest/gtest.h>

#include "dalvorn_app.h"
#include "framework/app_main.h"

// The application object the dialogs rely on, as the program has it.
CDalvornApp theApp;

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    const CFrameworkRuntime runtime;
    return RUN_ALL_TESTS();
}
