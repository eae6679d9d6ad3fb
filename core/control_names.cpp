#include "control_names.h"

namespace zarvel {

std::string ImageControl(int number) { return "Image" + std::to_string(number); }

} // namespace zarvel
