#include <gtest/gtest.h>

#include "ui/scene_render.h"
