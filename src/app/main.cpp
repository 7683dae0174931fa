// qz5-config: the configuration window on the machine's serial devices.
#include "app/config_app.h"

int main(int argc, char** argv) {
    qz5::CConfigApp app(argc, argv);
    app.startApplication();
    return 0;
}
