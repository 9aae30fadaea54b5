#include "pieces/tilesource.h"
