// The desktop program's entry: it hands over to the window library.
#include "app/AppWindows.h"

int main(int argc, char** argv) { return tarn::app::RunTarn(argc, argv); }
