#pragma once
#include "bas/bas.h"
