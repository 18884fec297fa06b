#include "catches/TorzsHalfaj.h"
