#include "payments/Idoszak.h"
