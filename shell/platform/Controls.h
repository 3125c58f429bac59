#pragma once

// The controls the screens are built from, one header each.
#include "ButtonLabel.h"
#include "ClickLabel.h"
#include "PictureBox.h"
#include "ShapeWidget.h"
