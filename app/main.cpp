// vantrel: the host application of the purchase-order module.
#include <signal.h>

#include "gui/host/host_app.h"

#ifndef VTL_SOURCE_DIR
#define VTL_SOURCE_DIR ""
#endif

int main(int argc, char** argv) {
    // A write past the file-size limit fails and is told, as on a full disk.
    ::signal(SIGXFSZ, SIG_IGN);
    return vtl::host::runVantrel(argc, argv, VTL_SOURCE_DIR);
}
