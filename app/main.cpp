// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/velder_app.h"

int main(int argc, char* argv[])
{
    kores::CVelderApp app(argc, argv);
    return app.Run();
}
