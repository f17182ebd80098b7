// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/velder_app.h"
#include "core/heap_tuning.h"

int main(int argc, char* argv[])
{
    ko::TuneHeap();
    kores::CVelderApp app(argc, argv);
    return app.Run();
}
