#include "wordtable/Hashtable.h"
