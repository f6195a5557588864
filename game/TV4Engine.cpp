#include "TV4Engine.h"
