#include "tools/qz5cfg/exit_status.h"

#include "common/message_box.h"

namespace qz5 {

void reportToolError(std::string_view text) {
    showMessage(text, "qz5cfg");
}

}  // namespace qz5
