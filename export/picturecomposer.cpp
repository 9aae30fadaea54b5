#include "export/picturecomposer.h"
