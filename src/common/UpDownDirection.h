#pragma once
// The direction of a press on an up-down control, shared by the control and the models that
// turn a press into a new value.
namespace velomare {

enum class UpDownDirection { None, Up, Down };

}  // namespace velomare
