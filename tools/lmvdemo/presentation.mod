Fichier modèle de : Lumaveil

[Redimension Utilisation] 1
[Redimension TailleX] 0
[Redimension TailleY] 0
[Redimension Pourcentage Valeur] 80
[Redimension Pourcentage Utilisation] 1
[Redimension Conservation Proportion] 1
[Texte n°1 Utilisation] 1
[Texte n°1 Libelle] Lumaveil
[Texte n°1 Position Automatique] 1
[Texte n°1 Position Automatique Verticale] 1
[Texte n°1 Position Automatique Horizontale] 1
[Texte n°1 Position Automatique DeltaX] 40
[Texte n°1 Position Automatique DeltaY] 24
[Texte n°1 Position AbsolueX] 0
[Texte n°1 Position AbsolueY] 0
[Texte n°1 Couleur Encre] 16777215
[Texte n°1 Couleur Fond] 0
[Texte n°1 Fond Transparent] 1
[Texte n°1 Fonte] -36 0 0 0 700 1 0 0 0 3 2 1 34 Arial
[Texte n°2 Utilisation] 0
[Texte n°2 Libelle] 
[Texte n°2 Position Automatique] 1
[Texte n°2 Position Automatique Verticale] 0
[Texte n°2 Position Automatique Horizontale] 0
[Texte n°2 Position Automatique DeltaX] 50
[Texte n°2 Position Automatique DeltaY] 50
[Texte n°2 Position AbsolueX] 0
[Texte n°2 Position AbsolueY] 0
[Texte n°2 Couleur Encre] 0
[Texte n°2 Couleur Fond] 0
[Texte n°2 Fond Transparent] 1
[Texte n°2 Fonte] -27 0 0 0 400 0 0 0 0 3 2 1 34 Comic Sans MS
[Texte n°3 Utilisation] 0
[Texte n°3 Libelle] 
[Texte n°3 Position Automatique] 1
[Texte n°3 Position Automatique Verticale] 0
[Texte n°3 Position Automatique Horizontale] 0
[Texte n°3 Position Automatique DeltaX] 50
[Texte n°3 Position Automatique DeltaY] 50
[Texte n°3 Position AbsolueX] 0
[Texte n°3 Position AbsolueY] 0
[Texte n°3 Couleur Encre] 0
[Texte n°3 Couleur Fond] 0
[Texte n°3 Fond Transparent] 1
[Texte n°3 Fonte] -27 0 0 0 400 0 0 0 0 3 2 1 34 Comic Sans MS
[Texte n°4 Utilisation] 0
[Texte n°4 Libelle] 
[Texte n°4 Position Automatique] 1
[Texte n°4 Position Automatique Verticale] 0
[Texte n°4 Position Automatique Horizontale] 0
[Texte n°4 Position Automatique DeltaX] 50
[Texte n°4 Position Automatique DeltaY] 50
[Texte n°4 Position AbsolueX] 0
[Texte n°4 Position AbsolueY] 0
[Texte n°4 Couleur Encre] 0
[Texte n°4 Couleur Fond] 0
[Texte n°4 Fond Transparent] 1
[Texte n°4 Fonte] -27 0 0 0 400 0 0 0 0 3 2 1 34 Comic Sans MS
[Texte n°5 Utilisation] 0
[Texte n°5 Libelle] 
[Texte n°5 Position Automatique] 1
[Texte n°5 Position Automatique Verticale] 0
[Texte n°5 Position Automatique Horizontale] 0
[Texte n°5 Position Automatique DeltaX] 50
[Texte n°5 Position Automatique DeltaY] 50
[Texte n°5 Position AbsolueX] 0
[Texte n°5 Position AbsolueY] 0
[Texte n°5 Couleur Encre] 0
[Texte n°5 Couleur Fond] 0
[Texte n°5 Fond Transparent] 1
[Texte n°5 Fonte] -27 0 0 0 400 0 0 0 0 3 2 1 34 Comic Sans MS
[Cadre Utilisation] 1
[Cadre Taille] 10
[Cadre Motif Utilisation] 0
[Cadre Motif] 25
[Cadre Couleur] 15263976
[Cadre Bordure Utilisation] 1
[Cadre Couleur Bordure] 4210752
[Fond Utilisation] 1
[Fond Motif Utilisation] 0
[Fond Motif] 25
[Fond Couleur] 4202512
[Effet Transition] 7
[Duree Affichage] 4
