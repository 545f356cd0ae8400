<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BestResultsDialog</name>
    <message>
        <source>Novice</source>
        <translation>Novice</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermédiaire</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Quarter-Finalist</source>
        <translation>Quart-finaliste</translation>
    </message>
    <message>
        <source>Semi-Finalist</source>
        <translation>Demi-finaliste</translation>
    </message>
    <message>
        <source>Champion</source>
        <translation>Champion</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>KeysDialog</name>
    <message>
        <source>Advance</source>
        <translation>Marcher</translation>
    </message>
    <message>
        <source>Extend Arm</source>
        <translation>Allonger le bras</translation>
    </message>
    <message>
        <source>Lunge/Recover</source>
        <translation>Fente/Retour</translation>
    </message>
    <message>
        <source>Retreat</source>
        <translation>Rompre</translation>
    </message>
    <message>
        <source>Parry</source>
        <translation>Parer</translation>
    </message>
    <message>
        <source>Flèche/Recover Forwards</source>
        <translation>Flèche/Retour avant</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>Left fencer&apos;s red card</source>
        <translation>Carton rouge du tireur de gauche</translation>
    </message>
    <message>
        <source>Left fencer&apos;s lamp</source>
        <translation>Lampe du tireur de gauche</translation>
    </message>
    <message>
        <source>Lights when the left fencer hits</source>
        <translation>S’allume quand le tireur de gauche touche</translation>
    </message>
    <message>
        <source>Right fencer&apos;s lamp</source>
        <translation>Lampe du tireur de droite</translation>
    </message>
    <message>
        <source>Lights when the right fencer hits</source>
        <translation>S’allume quand le tireur de droite touche</translation>
    </message>
    <message>
        <source>Piste</source>
        <translation>Piste</translation>
    </message>
    <message>
        <source>Right fencer</source>
        <translation>Tireur de droite</translation>
    </message>
    <message>
        <source>Left fencer</source>
        <translation>Tireur de gauche</translation>
    </message>
    <message>
        <source>Engarde</source>
        <translation>En garde</translation>
    </message>
    <message>
        <source>Referee&apos;s call</source>
        <translation>Annonce de l’arbitre</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Left fencer&apos;s score</source>
        <translation>Score du tireur de gauche</translation>
    </message>
    <message>
        <source>Right fencer&apos;s score</source>
        <translation>Score du tireur de droite</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>Left fencer&apos;s yellow card</source>
        <translation>Carton jaune du tireur de gauche</translation>
    </message>
    <message>
        <source>Right fencer&apos;s yellow card</source>
        <translation>Carton jaune du tireur de droite</translation>
    </message>
    <message>
        <source>Right fencer&apos;s red card</source>
        <translation>Carton rouge du tireur de droite</translation>
    </message>
    <message>
        <source>Left fencer&apos;s red cards</source>
        <translation>Cartons rouges du tireur de gauche</translation>
    </message>
    <message>
        <source>Right fencer&apos;s red cards</source>
        <translation>Cartons rouges du tireur de droite</translation>
    </message>
    <message>
        <source>Press F2 to Start</source>
        <translation>F2 pour jouer</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Marcher</translation>
    </message>
    <message>
        <source>Extend</source>
        <translation>Allonger</translation>
    </message>
    <message>
        <source>Lunge</source>
        <translation>Fente</translation>
    </message>
    <message>
        <source>Retreat</source>
        <translation>Rompre</translation>
    </message>
    <message>
        <source>Parry</source>
        <translation>Parer</translation>
    </message>
    <message>
        <source>Flèche</source>
        <translation>Flèche</translation>
    </message>
    <message>
        <source>Fencing keys</source>
        <translation>Touches d’escrime</translation>
    </message>
    <message>
        <source>Type the fencers&apos; keys here in keyboard control</source>
        <translation>Tapez ici les touches des tireurs au clavier</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Resume Game</source>
        <translation>&amp;Reprendre la partie</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Pause Game</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Best Results</source>
        <translation>&amp;Meilleurs résultats</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Game Type</source>
        <translation>&amp;Type de match</translation>
    </message>
    <message>
        <source>First to 5</source>
        <translation>En 5 touches</translation>
    </message>
    <message>
        <source>First to 10</source>
        <translation>En 10 touches</translation>
    </message>
    <message>
        <source>First to 15</source>
        <translation>En 15 touches</translation>
    </message>
    <message>
        <source>Timed</source>
        <translation>Chronométré</translation>
    </message>
    <message>
        <source>&amp;Opponent</source>
        <translation>&amp;Adversaire</translation>
    </message>
    <message>
        <source>&amp;Novice</source>
        <translation>&amp;Novice</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Intermédiaire</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>A&amp;vancé</translation>
    </message>
    <message>
        <source>&amp;Quarter-Finalist</source>
        <translation>&amp;Quart-finaliste</translation>
    </message>
    <message>
        <source>&amp;Semi-Finalist</source>
        <translation>&amp;Demi-finaliste</translation>
    </message>
    <message>
        <source>&amp;Champion</source>
        <translation>&amp;Champion</translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <translation>&amp;Personnalisé</translation>
    </message>
    <message>
        <source>&amp;2 Player</source>
        <translation>&amp;2 joueurs</translation>
    </message>
    <message>
        <source>&amp;Control</source>
        <translation>&amp;Commandes</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Clavier</translation>
    </message>
    <message>
        <source>&amp;Mouse</source>
        <translation>&amp;Souris</translation>
    </message>
    <message>
        <source>Keyboard &amp;Layout</source>
        <translation>&amp;Touches du clavier</translation>
    </message>
    <message>
        <source>&amp;Sound On</source>
        <translation>S&amp;on</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos…</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Aide…</translation>
    </message>
</context>
<context>
    <name>Referee</name>
    <message>
        <source>Engarde</source>
        <translation>En garde</translation>
    </message>
    <message>
        <source>Are you ready?</source>
        <translation>Prêts&#xa0;?</translation>
    </message>
    <message>
        <source>Fence</source>
        <translation>Allez&#xa0;!</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Halte&#xa0;!</translation>
    </message>
    <message>
        <source>Attack from the Left</source>
        <translation>Attaque de gauche</translation>
    </message>
    <message>
        <source>Attack from the Right</source>
        <translation>Attaque de droite</translation>
    </message>
    <message>
        <source>Attack from the Left
Counter Attack from the Right</source>
        <translation>Attaque de gauche
Contre-attaque de droite</translation>
    </message>
    <message>
        <source>Attack from the Right
Counter Attack from the Left</source>
        <translation>Attaque de droite
Contre-attaque de gauche</translation>
    </message>
    <message>
        <source>Off Target</source>
        <translation>Non valable</translation>
    </message>
    <message>
        <source>Successful</source>
        <translation>Touche valable</translation>
    </message>
    <message>
        <source>Attack is Successful
Counter is Out of Time</source>
        <translation>L’attaque est valable
Contre-attaque hors temps</translation>
    </message>
    <message>
        <source>Opponent Passed</source>
        <translation>Dépassement</translation>
    </message>
    <message>
        <source>Corps à Corps</source>
        <translation>Corps à corps</translation>
    </message>
    <message>
        <source>Warning - Yellow Card Left</source>
        <translation>Carton jaune à gauche</translation>
    </message>
    <message>
        <source>Warning - Yellow Card Right</source>
        <translation>Carton jaune à droite</translation>
    </message>
    <message>
        <source>Warning - Red Card Left</source>
        <translation>Carton rouge à gauche</translation>
    </message>
    <message>
        <source>Warning - Red Card Right</source>
        <translation>Carton rouge à droite</translation>
    </message>
    <message>
        <source>Return to Engarde</source>
        <translation>Remettez-vous en garde</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin du match</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>the folder named by %1, whose name is not valid UTF-8</source>
        <translation>le dossier désigné par %1, dont le nom n’est pas en UTF-8 valide</translation>
    </message>
    <message>
        <source>Your settings folder is named by %1 in bytes that are not UTF-8, so the game cannot name it: it starts with the defaults, and the options chosen this time will not be saved.</source>
        <translation>Votre dossier de réglages est désigné par %1 en octets qui ne sont pas de l’UTF-8, le jeu ne peut donc pas le nommer&#xa0;: il démarre avec les réglages par défaut, et les options choisies cette fois ne seront pas enregistrées.</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so the game does not read it and will not replace it.</source>
        <translation>%1 n’est pas un fichier ordinaire&#xa0;: le jeu ne le lit pas et ne le remplacera pas.</translation>
    </message>
</context>
<context>
    <name>VictoryDialog</name>
    <message>
        <source>Novice Level</source>
        <translation>Niveau novice</translation>
    </message>
    <message>
        <source>Intermediate Level</source>
        <translation>Niveau intermédiaire</translation>
    </message>
    <message>
        <source>Advanced Level</source>
        <translation>Niveau avancé</translation>
    </message>
    <message>
        <source>Quarter-Finalist Level</source>
        <translation>Niveau quart-finaliste</translation>
    </message>
    <message>
        <source>Semi-Finalist Level</source>
        <translation>Niveau demi-finaliste</translation>
    </message>
    <message>
        <source>Champion Level</source>
        <translation>Niveau champion</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>B.K.S. Pistework: foil fencing against the computer or a friend.</source>
        <translation>B.K.S. Pistework&#xa0;: escrime au fleuret contre l’ordinateur ou un ami.</translation>
    </message>
    <message>
        <source>pistework: the window cannot open on the display &apos;%1&apos;: %2</source>
        <translation>pistework&#xa0;: la fenêtre ne peut pas s’ouvrir sur l’écran «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>pistework: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>pistework&#xa0;: aucun écran où ouvrir la fenêtre (DISPLAY et WAYLAND_DISPLAY ne sont pas définis)</translation>
    </message>
</context>
<context>
    <name>pistework::app::MainWindow</name>
    <message>
        <source>Your settings could not be saved to
%1

The game length, control, keys and level chosen this time are lost; the settings saved before are kept as they were.</source>
        <translation>Vos réglages n’ont pas pu être enregistrés dans
%1

La durée du match, les commandes, les touches et le niveau choisis cette fois sont perdus&#xa0;; les réglages enregistrés auparavant restent tels quels.</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Autres menus</translation>
    </message>
</context>
<context>
    <name>pistework::dialogs::AboutDialog</name>
    <message>
        <source>Opens in your web browser</source>
        <translation>S’ouvre dans votre navigateur web</translation>
    </message>
    <message>
        <source>About B.K.S.</source>
        <translation>À propos de B.K.S.</translation>
    </message>
    <message>
        <source>The Brackenmoor Fencing Association organises local fencing competitions and courses within the county of Brackenmoor.</source>
        <translation>La Brackenmoor Fencing Association organise compétitions et stages d’escrime dans le comté de Brackenmoor.</translation>
    </message>
    <message>
        <source>It is responsible for the distribution of fencing information within the county and for liason between Valdmark and the clubs in the Area</source>
        <translation>Elle diffuse l’information sur l’escrime dans le comté et assure le lien entre Valdmark et les clubs de la région.</translation>
    </message>
    <message>
        <source>For further information about fencing in Brackenmoor, visit our website at: </source>
        <translation>Pour en savoir plus sur l’escrime à Brackenmoor, visitez notre site&#xa0;: </translation>
    </message>
    <message>
        <source>For further information of clubs in your own area contact Valdmark on</source>
        <translation>Les clubs de votre région&#xa0;: contactez Valdmark sur</translation>
    </message>
    <message>
        <source>or your own national federation</source>
        <translation>ou votre fédération nationale</translation>
    </message>
</context>
<context>
    <name>pistework::dialogs::BestResultsDialog</name>
    <message>
        <source>Best Results</source>
        <translation>Meilleurs résultats</translation>
    </message>
</context>
<context>
    <name>pistework::dialogs::CustomLevelDialog</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Reaction Time</source>
        <translation>Temps de réaction</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>pistework::dialogs::HelpDialog</name>
    <message>
        <source>Help &amp; Hints</source>
        <translation>Aide et conseils</translation>
    </message>
    <message>
        <source>The fencing bout is &quot;first-to-five&quot;, &quot;first-to-ten&quot; or &quot;first-to-fifteen&quot; hits.</source>
        <translation>Le match se gagne en cinq, dix ou quinze touches.</translation>
    </message>
    <message>
        <source>To hit your opponent, advance to within distance, then extend the fencing arm before lunging. You must return to engarde and re-extend to lunge again.</source>
        <translation>Pour toucher, marchez jusqu’à la bonne distance, puis allongez le bras avant de vous fendre. Revenez en garde et allongez de nouveau pour refaire une fente.</translation>
    </message>
    <message>
        <source>A Flèche is a running attack, best used from a distance.  The arm must first be extended to flèche.Do not use it too frequently as you are penalised ground with each flèche. If you accidentally run into your </source>
        <translation>La flèche est une attaque en courant, utile à distance. Le bras doit d’abord être allongé. Ne l’utilisez pas trop souvent&#xa0;: chaque flèche vous coûte du terrain. Si vous heurtez votre </translation>
    </message>
    <message>
        <source>opponent you will receive a warning and your opponent will be awarded a hit for each subsequent offence.</source>
        <translation>adversaire, vous recevez un avertissement, puis votre adversaire marque une touche à chaque nouvelle faute.</translation>
    </message>
    <message>
        <source>Parry to make an opponent&apos;s attack ineffective. If you beat your opponent&apos;s blade, he will temporarily be unable to respond.</source>
        <translation>Parez pour rendre l’attaque adverse inefficace. Si vous battez le fer adverse, votre adversaire ne peut plus riposter un moment.</translation>
    </message>
    <message>
        <source>Hits must be placed on the lamé to be effective. Hits on the arm are off-target, and are not counted.</source>
        <translation>Les touches doivent arriver sur la cuirasse pour compter. Celles au bras sont non valables.</translation>
    </message>
    <message>
        <source>Good Luck.</source>
        <translation>Bonne chance.</translation>
    </message>
</context>
<context>
    <name>pistework::dialogs::KeysDialog</name>
    <message>
        <source>Keyboard Layout</source>
        <translation>Touches du clavier</translation>
    </message>
    <message>
        <source>Left %1 key</source>
        <translation>Touche %1 à gauche</translation>
    </message>
    <message>
        <source>Right %1 key</source>
        <translation>Touche %1 à droite</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Perso</translation>
    </message>
    <message>
        <source>%1 keys %2</source>
        <translation>%1, touches %2</translation>
    </message>
</context>
<context>
    <name>pistework::dialogs::VictoryDialog</name>
    <message>
        <source>Victory</source>
        <translation>Victoire</translation>
    </message>
    <message>
        <source>You have the best result at</source>
        <translation>Meilleur résultat au</translation>
    </message>
    <message>
        <source>Novice level</source>
        <translation>Niveau novice</translation>
    </message>
    <message>
        <source>Please enter your name.</source>
        <translation>Entrez votre nom.</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Your best result could not be saved. The settings file may be read-only.</source>
        <translation>Votre meilleur résultat n’a pas pu être enregistré. Le fichier de réglages est peut-être en lecture seule.</translation>
    </message>
</context>
</TS>
