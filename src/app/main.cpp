#include "app/cli.h"

int main(int argc, char** argv) { return tvk::RunCommandLine(argc, argv); }
