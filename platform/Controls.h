#pragma once

// The controls the screens are built from, one header each.
#include "platform/ButtonLabel.h"
#include "platform/CheckBox.h"
#include "platform/ClickLabel.h"
#include "platform/PictureBox.h"
#include "platform/ShapeButton.h"
#include "platform/ShapeWidget.h"
