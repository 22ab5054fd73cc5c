#pragma once
#include "haut/haut.h"
