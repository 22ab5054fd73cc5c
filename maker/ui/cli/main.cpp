#include "commande.h"

int main(int argc, char** argv) { return lumaveil::ExecuteLigneCommande(argc, argv); }
