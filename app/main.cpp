// vantrel: the host application of the purchase-order module.
#include "gui/host/host_app.h"

#ifndef VTL_SOURCE_DIR
#define VTL_SOURCE_DIR ""
#endif

int main(int argc, char** argv) { return vtl::host::runVantrel(argc, argv, VTL_SOURCE_DIR); }
