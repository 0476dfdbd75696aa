// The main of the layer link checks (CMakeLists.txt): the program does nothing; that it
// links is the check.
int main() { return 0; }
