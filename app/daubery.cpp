// Daubery: 75-ball bingo against computer players.
int main() { return 0; }
