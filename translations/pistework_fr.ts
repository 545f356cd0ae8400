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
    <name>Handbook</name>
    <message>
        <source>The lunge: the arm extended, the front foot thrown forward, the point on the opponent&apos;s jacket.</source>
        <translation>La fente&#xa0;: le bras allongé, le pied avant lancé vers l’avant, la pointe sur la cuirasse de l’adversaire.</translation>
    </message>
    <message>
        <source>The parry: the blade swept across to beat the opponent&apos;s blade aside.</source>
        <translation>La parade&#xa0;: la lame balaie la ligne pour écarter le fer adverse.</translation>
    </message>
    <message>
        <source>The flèche: a running attack with the arm extended.</source>
        <translation>La flèche&#xa0;: une attaque en courant, le bras allongé.</translation>
    </message>
    <message>
        <source>Left fencer hit on target</source>
        <translation>Touche valable du tireur de gauche</translation>
    </message>
    <message>
        <source>Left fencer hit off target</source>
        <translation>Touche non valable du tireur de gauche</translation>
    </message>
    <message>
        <source>Right fencer hit on target</source>
        <translation>Touche valable du tireur de droite</translation>
    </message>
    <message>
        <source>Right fencer hit off target</source>
        <translation>Touche non valable du tireur de droite</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>Advance to within distance, extend the arm, then lunge. After a lunge you must recover to engarde and extend again before you can lunge again. Parry to turn an attack aside: a fencer whose blade is beaten cannot answer for a moment. The flèche is a running attack from further away; the arm must be extended first, and each flèche costs you ground. Hits must land on the jacket: a hit on the arm is off target and does not count.</source>
        <translation>Marchez jusqu’à la bonne distance, allongez le bras, puis fendez-vous. Après une fente, vous devez revenir en garde et allonger de nouveau le bras avant de pouvoir vous fendre encore. Parez pour écarter une attaque&#xa0;: un tireur dont le fer est battu ne peut pas répondre pendant un instant. La flèche est une attaque en courant lancée de plus loin&#xa0;; le bras doit d’abord être allongé, et chaque flèche vous coûte du terrain. Les touches doivent arriver sur la cuirasse&#xa0;: une touche au bras est non valable et ne compte pas.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Marcher</translation>
    </message>
    <message>
        <source>Extend the arm</source>
        <translation>Allonger le bras</translation>
    </message>
    <message>
        <source>Lunge, or recover from a lunge</source>
        <translation>Se fendre, ou revenir en garde après la fente</translation>
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
        <source>Flèche, or recover forwards from a lunge</source>
        <translation>Partir en flèche, ou revenir en garde vers l’avant après la fente</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>With the mouse (Settings, Control, Mouse) you command your fencer with the six buttons under the piste. With the keyboard (Settings, Control, Keyboard) the right fencer answers to the right-hand keys, and in a two-player bout the left fencer to the left-hand keys. Change them under Settings, Control, Keyboard Layout. The keys as now set:</source>
        <translation>À la souris (Options, Commandes, Souris), vous dirigez votre tireur avec les six boutons sous la piste. Au clavier (Options, Commandes, Clavier), le tireur de droite obéit aux touches de droite et, dans un match à deux joueurs, le tireur de gauche aux touches de gauche. Changez-les sous Options, Commandes, Touches du clavier. Les touches telles qu’elles sont réglées&#xa0;:</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Left fencer</source>
        <translation>Tireur de gauche</translation>
    </message>
    <message>
        <source>Right fencer</source>
        <translation>Tireur de droite</translation>
    </message>
    <message>
        <source>Both fencers take their places on the engarde lines.</source>
        <translation>Les deux tireurs prennent place sur leurs lignes de mise en garde.</translation>
    </message>
    <message>
        <source>Get ready: fencing starts in a moment.</source>
        <translation>Préparez-vous&#xa0;: le combat commence dans un instant.</translation>
    </message>
    <message>
        <source>The bout clock runs; the fencers move on the next beat.</source>
        <translation>Le chronomètre du match tourne&#xa0;; les tireurs bougent au temps suivant.</translation>
    </message>
    <message>
        <source>Fencing stops and the clock stands still; the referee says why.</source>
        <translation>Le combat s’arrête et le chronomètre aussi&#xa0;; l’arbitre dit pourquoi.</translation>
    </message>
    <message>
        <source>The named fencer&apos;s attack has arrived.</source>
        <translation>L’attaque du tireur désigné est arrivée.</translation>
    </message>
    <message>
        <source>The named fencer&apos;s attack has arrived, and the other&apos;s counter-attack too.</source>
        <translation>L’attaque du tireur désigné est arrivée, et la contre-attaque de l’autre aussi.</translation>
    </message>
    <message>
        <source>The hit landed off the target: no hit is scored and the fencers step apart where they stand.</source>
        <translation>La touche est arrivée hors de la surface valable&#xa0;: aucune touche n’est comptée et les tireurs se séparent là où ils sont.</translation>
    </message>
    <message>
        <source>The attack counts: one hit to the fencer who made it.</source>
        <translation>L’attaque est valable&#xa0;: une touche pour le tireur qui l’a portée.</translation>
    </message>
    <message>
        <source>The attack counts; the counter-attack came too late and does not.</source>
        <translation>L’attaque est valable&#xa0;; la contre-attaque est arrivée hors temps et ne compte pas.</translation>
    </message>
    <message>
        <source>One fencer has run past the other.</source>
        <translation>Un tireur a dépassé l’autre.</translation>
    </message>
    <message>
        <source>The named fencer ran past again with a flèche only a few seconds after the last time: an offence, and a card follows.</source>
        <translation>Le tireur désigné a de nouveau dépassé l’autre en flèche, quelques secondes seulement après la dernière fois&#xa0;: c’est une faute, et un carton suit.</translation>
    </message>
    <message>
        <source>The named fencer&apos;s first offence of the bout: a warning, no hit.</source>
        <translation>Première faute du tireur désigné dans le match&#xa0;: un avertissement, pas de touche.</translation>
    </message>
    <message>
        <source>A later offence by the named fencer: one hit to the other fencer.</source>
        <translation>Nouvelle faute du tireur désigné&#xa0;: une touche pour l’autre tireur.</translation>
    </message>
    <message>
        <source>After a pass: no hit; both fencers go back and fence on.</source>
        <translation>Après un dépassement&#xa0;: pas de touche&#xa0;; les deux tireurs reculent et reprennent le combat.</translation>
    </message>
    <message>
        <source>The bout is over: a fencer reached the target or the time ran out.</source>
        <translation>Le match est terminé&#xa0;: un tireur a atteint le nombre de touches fixé, ou le temps est écoulé.</translation>
    </message>
    <message>
        <source>The referee&apos;s calls</source>
        <translation>Les annonces de l’arbitre</translation>
    </message>
    <message>
        <source>The referee calls in large letters above the fencers.</source>
        <translation>L’arbitre annonce en grandes lettres au-dessus des tireurs.</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Annonce</translation>
    </message>
    <message>
        <source>What it means</source>
        <translation>Signification</translation>
    </message>
    <message>
        <source>Lamps and cards</source>
        <translation>Lampes et cartons</translation>
    </message>
    <message>
        <source>Each fencer has a scoring lamp beside the piste, the left fencer&apos;s red and the right fencer&apos;s green, with a white lamp beside it. After a hit the lamps flash until the next &quot;Engarde&quot;: the coloured lamp for a hit on target, the white one for a hit off target. When the other fencer&apos;s counter-attack also arrived, its coloured lamp flashes as well.</source>
        <translation>Chaque tireur a sa lampe de touche au bord de la piste, rouge pour le tireur de gauche, verte pour celui de droite, avec une lampe blanche à côté. Après une touche, les lampes clignotent jusqu’au prochain «&#xa0;En garde&#xa0;»&#xa0;: la lampe de couleur pour une touche valable, la blanche pour une touche non valable. Quand la contre-attaque de l’autre tireur est arrivée elle aussi, sa lampe de couleur clignote également.</translation>
    </message>
    <message>
        <source>Running into the opponent with a flèche again too soon after one&apos;s own last pass is an offence. The first offence of a bout earns a yellow card, a warning. Every later one earns a red card, which gives the opponent a hit; the number on the red card counts them. Cards do not carry into the next bout.</source>
        <translation>Heurter de nouveau l’adversaire en flèche trop tôt après son propre dernier dépassement est une faute. La première faute d’un match vaut un carton jaune, un avertissement. Chaque faute suivante vaut un carton rouge, qui donne une touche à l’adversaire&#xa0;; le chiffre sur le carton rouge les compte. Les cartons ne passent pas au match suivant.</translation>
    </message>
    <message>
        <source>Opponents</source>
        <translation>Adversaires</translation>
    </message>
    <message>
        <source>Choose the computer&apos;s level under Settings, Opponent. Speed is how many milliseconds the computer&apos;s fencer takes over each picture of its moves: the fewer, the quicker. Range is the spread of its random choices; high draws make it stand and wait, so the smaller the range, the less it hesitates. The best result at each level is kept.</source>
        <translation>Choisissez le niveau de l’ordinateur sous Options, Adversaire. La vitesse est le nombre de millisecondes que le tireur de l’ordinateur passe sur chaque image de ses mouvements&#xa0;: moins il y en a, plus il est rapide. L’amplitude est l’étendue de ses choix au hasard&#xa0;; les tirages élevés le font rester sur place à attendre, donc plus l’amplitude est petite, moins il hésite. Le meilleur résultat de chaque niveau est conservé.</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Speed (ms)</source>
        <translation>Vitesse (ms)</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>Settings, Opponent, %1 sets an opponent of your own with two bars: Speed from %2 ms to %3 ms, Reaction Time the range from %4 to %5; both move right towards a stronger opponent. A custom opponent keeps no best results, nor does a %6 bout.</source>
        <translation>Options, Adversaire, %1 règle un adversaire à votre goût avec deux curseurs&#xa0;: Vitesse, de %2&#xa0;ms à %3&#xa0;ms, et Temps de réaction, qui règle l’amplitude, de %4 à %5&#xa0;; vers la droite, l’un comme l’autre rendent l’adversaire plus fort. Un adversaire personnalisé ne garde pas de meilleurs résultats, pas plus qu’un match à %6.</translation>
    </message>
    <message>
        <source>The demonstration</source>
        <translation>La démonstration</translation>
    </message>
    <message>
        <source>When nobody starts a bout for 15 seconds, the computer fences both sides at the %1 level, bout after bout, with a pause of about three seconds between them. Press F2 to start a bout of your own.</source>
        <translation>Quand personne ne commence de match pendant 15 secondes, l’ordinateur tire des deux côtés au niveau %1, match après match, avec une pause d’environ trois secondes entre deux. Appuyez sur F2 pour commencer votre propre match.</translation>
    </message>
    <message>
        <source>Options and best results</source>
        <translation>Options et meilleurs résultats</translation>
    </message>
    <message>
        <source>Delete it, with the game closed, to start again from the defaults and no best results.</source>
        <translation>Supprimez-le, le jeu fermé, pour repartir des réglages par défaut, sans meilleurs résultats.</translation>
    </message>
    <message>
        <source>Pistework Handbook</source>
        <translation>Manuel de Pistework</translation>
    </message>
    <message>
        <source>Fencing over a network</source>
        <translation>L’escrime en réseau</translation>
    </message>
    <message>
        <source>You fence the fencer on the right. On the left stands the computer, or a friend in a two-player bout. The first to reach the number of hits chosen under Settings, Game Type (5, 10 or 15) wins; a timed bout also ends when its clock runs out. Press F2 to start a new bout and F3 to pause it. A bout runs on while you are in another window, unless you choose Settings, Pause When Inactive.</source>
        <translation>Vous êtes le tireur de droite. À gauche se tient l’ordinateur, ou un ami dans un match à deux joueurs. Le premier qui atteint le nombre de touches choisi sous Options, Type de match (5, 10 ou 15) l’emporte&#xa0;; un match chronométré se termine aussi quand son temps est écoulé. Appuyez sur F2 pour commencer un nouveau match et sur F3 pour le mettre en pause. Un match continue pendant que vous êtes dans une autre fenêtre, à moins que vous ne choisissiez Options, Pause si inactif.</translation>
    </message>
    <message>
        <source>Nobody can find the code by trying: after a few wrong codes from one address, the host makes it wait longer before each next one, and takes no more than one wrong code a second from everyone together. Nothing a stranger sends stops hosting or a bout. Either player may switch between the keys and the mouse during the bout.</source>
        <translation>Personne ne peut trouver le code en essayant&#xa0;: après quelques codes erronés venus d’une même adresse, l’hôte la fait attendre plus longtemps avant chacun des suivants, et n’accepte pas plus d’un code erroné par seconde de tous réunis. Rien de ce qu’envoie un inconnu n’arrête l’accueil ni un match. Chaque joueur peut passer du clavier à la souris, et inversement, pendant le match.</translation>
    </message>
    <message>
        <source>The game keeps the options chosen in its menus (game type, timed bout, opponent, control, keys and Pause When Inactive) and the best result at each level, with the winner&apos;s name, in one file. Every start is silent, with one player against the computer. The file:</source>
        <translation>Le jeu conserve les options choisies dans ses menus (type de match, match chronométré, adversaire, commandes, touches et Pause si inactif) et le meilleur résultat de chaque niveau, avec le nom du vainqueur, dans un seul fichier. Chaque lancement se fait sans son, un joueur contre l’ordinateur. Le fichier&#xa0;:</translation>
    </message>
    <message>
        <source>One player chooses File, %1: the dialog shows this machine&apos;s addresses, the port (%2) and a code of six digits, and waits. The other chooses File, %3, and types the address, the port and the code. The bout is fenced at the host&apos;s options; the host fences the right fencer and the guest the left one, each with the keys, buttons or pad they use at home.</source>
        <translation>Un joueur choisit Fichier, %1&#xa0;: la fenêtre montre les adresses de cet ordinateur, le port (%2) et un code à six chiffres, et attend. L’autre choisit Fichier, %3, et saisit l’adresse, le port et le code. Le match se déroule avec les options de l’hôte&#xa0;; l’hôte tire à droite et l’invité à gauche, chacun avec les touches, les boutons ou la manette qu’il utilise chez lui.</translation>
    </message>
    <message>
        <source>Both games fence the same bout from both players&apos; commands, so each player&apos;s own fencer answers at once, as on one keyboard. When the other player&apos;s command arrives, that fencer may jump to where it really is, but never more than a quarter second back. Over a slow link the bout waits for the other game and says so. Every second the two games check that they agree. The window&apos;s title shows the round trip between them.</source>
        <translation>Les deux jeux mènent le même match à partir des commandes des deux joueurs&#xa0;: le tireur de chaque joueur répond aussitôt, comme sur un seul clavier. Quand la commande de l’autre joueur arrive, son tireur peut sauter là où il est vraiment, jamais plus d’un quart de seconde en arrière. Sur une liaison lente, le match attend l’autre jeu et le dit. Chaque seconde, les deux jeux vérifient qu’ils sont d’accord. Le titre de la fenêtre montre l’aller-retour entre eux.</translation>
    </message>
    <message>
        <source>Up to eight more people can watch the bout live: File, %1, with the same address, port and code. A watcher sees both fencers a moment after the players do and commands nothing; once the bout is over, File, %2 keeps it.</source>
        <translation>Jusqu’à huit autres personnes peuvent regarder le match en direct&#xa0;: Fichier, %1, avec la même adresse, le même port et le même code. Un spectateur voit les deux tireurs un instant après les joueurs et ne commande rien&#xa0;; une fois le match terminé, Fichier, %2 le conserve.</translation>
    </message>
    <message>
        <source>Watching replays</source>
        <translation>Revoir les matchs enregistrés</translation>
    </message>
    <message>
        <source>File, %1 (Ctrl+R) plays the bout just fenced, a network bout too, and File, %2 a saved one; File, %3 offers a name with the date and the score. A strip under the board plays and pauses the replay (F3), sets its speed from ×¼ to ×4 and shows the whole bout as a timeline, with a mark at each ruling: red for a hit by the left fencer, green for the right, white off target, grey for a pass, yellow and dark red for the cards. Click or drag on the timeline to go there; ← and → move a second, the comma and the full stop one picture, Home and End go to either end, Page Up and Page Down to the ruling before or after.</source>
        <translation>Fichier, %1 (Ctrl+R) rejoue le match qui vient d’être tiré, même en réseau, et Fichier, %2 un match enregistré&#xa0;; Fichier, %3 propose un nom avec la date et le score. Un bandeau sous la piste lit l’enregistrement et le met en pause (F3), règle sa vitesse de ×¼ à ×4 et montre tout le match sur une chronologie, avec une marque à chaque décision&#xa0;: rouge pour une touche du tireur de gauche, verte pour celui de droite, blanche pour une touche non valable, grise pour un dépassement, jaune et rouge sombre pour les cartons. Cliquez ou faites glisser sur la chronologie pour vous y rendre&#xa0;; ← et → avancent ou reculent d’une seconde, la virgule et le point d’une image, Début et Fin mènent à chaque bout, Page précédente et Page suivante à la décision d’avant ou d’après.</translation>
    </message>
    <message>
        <source>From each &quot;Halt&quot; to the next &quot;Engarde&quot; the strip says in one sentence why the referee ruled as he did, from what he weighed: whose attack began first and by how much, whose point arrived and where, how soon a flèche ran past again. Under it stands the gap between the blade tips when the attack began.</source>
        <translation>De chaque «&#xa0;Halte&#xa0;» au «&#xa0;En garde&#xa0;» suivant, le bandeau dit en une phrase pourquoi l’arbitre a décidé ainsi, d’après ce qu’il a pesé&#xa0;: quelle attaque est partie la première et de combien, quelle pointe est arrivée et où, combien de temps après la précédente une flèche a dépassé l’adversaire. En dessous figure l’écart entre les pointes au départ de l’attaque.</translation>
    </message>
    <message>
        <source>View, %1 (D) draws the gap between the blade tips as a thin line, with its length in steps, a step being what one advance covers; within a lunge&apos;s reach the blades cross, and the line says so. During a lunge or a flèche the line runs from the point to the other fencer&apos;s target and says how far short it still is. C, or the end of the replay, shows a chart of the gap over the whole bout, every ruling marked.</source>
        <translation>Affichage, %1 (D) trace l’écart entre les pointes d’un trait fin, avec sa longueur en pas, un pas étant ce que couvre une marche&#xa0;; à portée de fente, les lames se croisent, et le trait le dit. Pendant une fente ou une flèche, le trait va de la pointe à la cible de l’adversaire et dit de combien elle est encore trop courte. C, ou la fin de l’enregistrement, montre la courbe de l’écart sur tout le match, chaque décision marquée.</translation>
    </message>
    <message>
        <source>A lunge %1 steps short of the target, as %2 shows it.</source>
        <translation>Une fente à %1&#xa0;pas de la cible, telle que la montre %2.</translation>
    </message>
    <message>
        <source>The fencing school</source>
        <translation>L’école d’escrime</translation>
    </message>
    <message>
        <source>Help, %1 lists the school&apos;s lessons. Each runs on the piste from a set position, against a computer fencer held to a script: it stands, advances, lunges when in distance, counter-attacks or runs a flèche. A strip under the board gives the lesson&apos;s goal; when an attempt goes wrong it says why, in the referee&apos;s terms, and how to mend it, and the lesson starts again. A lesson passed opens the next: Enter begins it, Esc leaves the school. The lessons passed are kept with the options.</source>
        <translation>Aide, %1 présente les leçons de l’école. Chacune se tire sur la piste depuis une position donnée, contre un tireur de l’ordinateur tenu à un script : il reste en garde, marche, se fend à bonne distance, contre-attaque ou lance une flèche. Un bandeau sous la piste donne le but de la leçon ; quand un essai échoue, il dit pourquoi, dans les termes de l’arbitre, et comment corriger, puis la leçon reprend. Une leçon réussie ouvre la suivante : Entrée la commence, Échap quitte l’école. Les leçons réussies sont gardées avec les options.</translation>
    </message>
    <message>
        <source>While a replay plays, T hands its bout to you from the moment shown: you fence the right fencer, and the computer the left one at the bout&apos;s level. A replay saved by an earlier Pistework keeps only its pictures and cannot be taken over.</source>
        <translation>Pendant une reprise, T vous confie l’assaut à partir de l’instant montré : vous tirez à droite, et l’ordinateur à gauche, au niveau de l’assaut. Une reprise enregistrée par un Pistework plus ancien ne garde que ses images et ne peut pas être reprise en main.</translation>
    </message>
    <message>
        <source>%1 may be chosen over your own bouts too; it is off until you choose it, and the lessons that teach distance turn it on.</source>
        <translation>%1 peut aussi être choisi pendant vos propres assauts ; il reste désactivé tant que vous ne le choisissez pas, et les leçons qui enseignent la distance l’activent.</translation>
    </message>
    <message>
        <source>Either player pauses with F3, and the strip under the piste says who did. After Game Over, F2 offers a rematch, which the other player accepts with F2; before it, F2 or closing a window asks first, then ends the network bout for both, and each window says why where the referee calls. A network bout keeps no best result.</source>
        <translation>Chaque joueur peut faire une pause avec F3, et le bandeau sous la piste dit qui l’a faite. Après la fin du match, F2 propose une revanche, que l’autre joueur accepte avec F2&#xa0;; avant, F2 ou la fermeture d’une fenêtre demande d’abord confirmation, puis termine le match en réseau pour les deux, et chaque fenêtre en dit la raison à la place des annonces de l’arbitre. Un match en réseau ne compte pas pour les meilleurs résultats.</translation>
    </message>
    <message>
        <source>Across the internet, hosting asks the home router to open the port, and the host&apos;s dialog says the address friends join at, with a Copy button; the port is closed again when hosting ends. Where no router answers, or it refuses, forward the port to the host machine by hand in the router&apos;s settings. A router behind a provider&apos;s own (carrier-grade NAT) cannot be reached from the internet: let the other player host. Settings, %1 turns the asking off.</source>
        <translation>Par Internet, l’hôte demande au routeur domestique d’ouvrir le port, et sa boîte de dialogue donne l’adresse où les amis le rejoignent, avec un bouton Copier&#xa0;; le port est refermé quand l’accueil prend fin. Si aucun routeur ne répond, ou s’il refuse, redirigez le port vers l’ordinateur hôte à la main dans les réglages du routeur. Un routeur placé derrière celui du fournisseur (NAT de niveau opérateur) ne peut pas être joint depuis Internet&#xa0;: laissez l’autre joueur accueillir. Paramètres, %1 désactive la demande.</translation>
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
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
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
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>Hand&amp;book</source>
        <translation>&amp;Manuel</translation>
    </message>
    <message>
        <source>&amp;Save Replay…</source>
        <translation>&amp;Enregistrer le match…</translation>
    </message>
    <message>
        <source>&amp;Watch Replay…</source>
        <translation>&amp;Revoir un match enregistré…</translation>
    </message>
    <message>
        <source>&amp;Host Network Bout…</source>
        <translation>&amp;Accueillir un match en réseau…</translation>
    </message>
    <message>
        <source>&amp;Join Network Bout…</source>
        <translation>&amp;Rejoindre un match en réseau…</translation>
    </message>
    <message>
        <source>Pause When &amp;Inactive</source>
        <translation>Pause si &amp;inactif</translation>
    </message>
    <message>
        <source>Wa&amp;tch Network Bout…</source>
        <translation>Re&amp;garder un match en réseau…</translation>
    </message>
    <message>
        <source>Watch &amp;Last Bout</source>
        <translation>Voir le &amp;dernier match</translation>
    </message>
    <message>
        <source>Show &amp;Distance</source>
        <translation>Afficher la &amp;distance</translation>
    </message>
    <message>
        <source>Fencing &amp;School…</source>
        <translation>&amp;École d’escrime…</translation>
    </message>
    <message>
        <source>B&amp;outs…</source>
        <translation>&amp;Historique des matchs…</translation>
    </message>
    <message>
        <source>Ask the &amp;Router to Open the Port</source>
        <translation>Demander au &amp;routeur d’ouvrir le port</translation>
    </message>
</context>
<context>
    <name>NetService</name>
    <message>
        <source>%1 did not answer within %2 seconds.</source>
        <translation>%1 n’a pas répondu en %2 secondes.</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>The other game sent what no game sends:
the network bout is over</source>
        <translation>L’autre jeu a envoyé des données invalides&#xa0;:
le match en réseau est terminé</translation>
    </message>
    <message>
        <source>Network bout ended</source>
        <translation>Match en réseau terminé</translation>
    </message>
    <message>
        <source>Your opponent left the network bout</source>
        <translation>Votre adversaire a quitté le match en réseau</translation>
    </message>
    <message>
        <source>The connection to your opponent was lost</source>
        <translation>La connexion avec votre adversaire est perdue</translation>
    </message>
    <message>
        <source>Your opponent has not answered
for five seconds</source>
        <translation>Votre adversaire ne répond plus
depuis cinq secondes</translation>
    </message>
    <message>
        <source>The pairing code is wrong</source>
        <translation>Le code d’appariement est faux</translation>
    </message>
    <message>
        <source>The other game is another version of Pistework</source>
        <translation>L’autre jeu est une autre version de Pistework</translation>
    </message>
    <message>
        <source>The host has a guest already</source>
        <translation>L’hôte a déjà un invité</translation>
    </message>
    <message>
        <source>The two games saw the bout differently:
the network bout is over</source>
        <translation>Les deux jeux ont vu le match différemment&#xa0;:
le match en réseau est terminé</translation>
    </message>
    <message>
        <source>Waiting for the other player…</source>
        <translation>En attente de l’autre joueur…</translation>
    </message>
    <message>
        <source>Too many wrong codes from your address:
wait a moment, then try again</source>
        <translation>Trop de codes faux depuis votre adresse :
attendez un instant, puis réessayez</translation>
    </message>
    <message>
        <source>Your opponent&apos;s game fell behind:
the network bout is over</source>
        <translation>Le jeu de votre adversaire a pris du retard :
le combat en réseau est terminé</translation>
    </message>
    <message>
        <source>A draw at %1 to %2.</source>
        <translation>Match nul, %1 à %2.</translation>
    </message>
    <message>
        <source>You won, %1 to %2.</source>
        <translation>Vous avez gagné, %1 à %2.</translation>
    </message>
    <message>
        <source>Your opponent won, %1 to %2.</source>
        <translation>Votre adversaire a gagné, %1 à %2.</translation>
    </message>
    <message>
        <source>The host won, %1 to %2.</source>
        <translation>L’hôte a gagné, %1 à %2.</translation>
    </message>
    <message>
        <source>The guest won, %1 to %2.</source>
        <translation>L’invité a gagné, %1 à %2.</translation>
    </message>
    <message>
        <source>If both players ask, the next bout follows here.</source>
        <translation>Si les deux joueurs le demandent, le match suivant se jouera ici.</translation>
    </message>
    <message>
        <source>You asked for a rematch: waiting for your opponent to accept.</source>
        <translation>Vous avez demandé une revanche&#xa0;: votre adversaire doit l’accepter.</translation>
    </message>
    <message>
        <source>Your opponent offers a rematch: press F2 to accept.</source>
        <translation>Votre adversaire propose une revanche&#xa0;: appuyez sur F2 pour l’accepter.</translation>
    </message>
    <message>
        <source>Press F2 to offer a rematch.</source>
        <translation>Appuyez sur F2 pour proposer une revanche.</translation>
    </message>
    <message>
        <source>You paused the bout: F3 resumes it.</source>
        <translation>Vous avez mis le match en pause&#xa0;: F3 le reprend.</translation>
    </message>
    <message>
        <source>Your opponent paused the bout: F3 resumes it.</source>
        <translation>Votre adversaire a mis le match en pause&#xa0;: F3 le reprend.</translation>
    </message>
    <message>
        <source>The host paused the bout.</source>
        <translation>L’hôte a mis le match en pause.</translation>
    </message>
    <message>
        <source>The guest paused the bout.</source>
        <translation>L’invité a mis le match en pause.</translation>
    </message>
    <message>
        <source>The host fences on the right, the guest on the left.</source>
        <translation>L’hôte tire à droite, l’invité à gauche.</translation>
    </message>
    <message>
        <source>You fence on the right. F3 pauses the bout for both of you; F2 leaves it.</source>
        <translation>Vous tirez à droite. F3 met le match en pause pour vous deux&#xa0;; F2 le quitte.</translation>
    </message>
    <message>
        <source>You fence on the left. F3 pauses the bout for both of you; F2 leaves it.</source>
        <translation>Vous tirez à gauche. F3 met le match en pause pour vous deux&#xa0;; F2 le quitte.</translation>
    </message>
    <message>
        <source>The bout is over and your opponent has gone</source>
        <translation>Le match est fini et votre adversaire est parti</translation>
    </message>
    <message>
        <source>The host left the network bout</source>
        <translation>L’hôte a quitté le match en réseau</translation>
    </message>
    <message>
        <source>The network bout is over</source>
        <translation>Le match en réseau est terminé</translation>
    </message>
    <message>
        <source>The connection to the host was lost</source>
        <translation>La connexion avec l’hôte a été perdue</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>The left fencer&apos;s lunge landed on target and the right fencer made no attack: the hit stands.</source>
        <translation>La fente du tireur de gauche est arrivée sur la cible et le tireur de droite n’a pas attaqué&#xa0;: la touche est valable.</translation>
    </message>
    <message>
        <source>The right fencer&apos;s lunge landed on target and the left fencer made no attack: the hit stands.</source>
        <translation>La fente du tireur de droite est arrivée sur la cible et le tireur de gauche n’a pas attaqué&#xa0;: la touche est valable.</translation>
    </message>
    <message>
        <source>The left fencer parried the right fencer&apos;s blade, then lunged and landed: the riposte scores.</source>
        <translation>Le tireur de gauche a paré le fer du tireur de droite, puis s’est fendu et a touché&#xa0;: la riposte est valable.</translation>
    </message>
    <message>
        <source>The right fencer parried the left fencer&apos;s blade, then lunged and landed: the riposte scores.</source>
        <translation>Le tireur de droite a paré le fer du tireur de gauche, puis s’est fendu et a touché&#xa0;: la riposte est valable.</translation>
    </message>
    <message>
        <source>The left fencer&apos;s attack started %1 s before the right fencer&apos;s and landed first: the hit stands.</source>
        <translation>L’attaque du tireur de gauche est partie %1&#xa0;s avant celle du tireur de droite et est arrivée la première&#xa0;: la touche est valable.</translation>
    </message>
    <message>
        <source>The right fencer&apos;s attack started %1 s before the left fencer&apos;s and landed first: the hit stands.</source>
        <translation>L’attaque du tireur de droite est partie %1&#xa0;s avant celle du tireur de gauche et est arrivée la première&#xa0;: la touche est valable.</translation>
    </message>
    <message>
        <source>The left fencer&apos;s point landed on target first: the hit stands.</source>
        <translation>La pointe du tireur de gauche est arrivée la première sur la cible&#xa0;: la touche est valable.</translation>
    </message>
    <message>
        <source>The right fencer&apos;s point landed on target first: the hit stands.</source>
        <translation>La pointe du tireur de droite est arrivée la première sur la cible&#xa0;: la touche est valable.</translation>
    </message>
    <message>
        <source>The fencers ran past each other before either point landed: nobody scores.</source>
        <translation>Les tireurs se sont dépassés avant qu’aucune pointe ne touche&#xa0;: personne ne marque.</translation>
    </message>
    <message>
        <source>The left fencer&apos;s flèche ran past the other %1 s after the last one, sooner than the %2 s allowed: a warning.</source>
        <translation>La flèche du tireur de gauche a dépassé l’autre %1&#xa0;s après la précédente, avant les %2&#xa0;s permises&#xa0;: un avertissement.</translation>
    </message>
    <message>
        <source>The right fencer&apos;s flèche ran past the other %1 s after the last one, sooner than the %2 s allowed: a warning.</source>
        <translation>La flèche du tireur de droite a dépassé l’autre %1&#xa0;s après la précédente, avant les %2&#xa0;s permises&#xa0;: un avertissement.</translation>
    </message>
    <message>
        <source>The left fencer&apos;s flèche ran past the other %1 s after the last one, sooner than the %2 s allowed, once more: a hit for the right fencer.</source>
        <translation>La flèche du tireur de gauche a dépassé l’autre %1&#xa0;s après la précédente, avant les %2&#xa0;s permises, une fois de plus&#xa0;: une touche pour le tireur de droite.</translation>
    </message>
    <message>
        <source>The right fencer&apos;s flèche ran past the other %1 s after the last one, sooner than the %2 s allowed, once more: a hit for the left fencer.</source>
        <translation>La flèche du tireur de droite a dépassé l’autre %1&#xa0;s après la précédente, avant les %2&#xa0;s permises, une fois de plus&#xa0;: une touche pour le tireur de gauche.</translation>
    </message>
    <message>
        <source>This replay was saved by an earlier Pistework, which kept no reasons.</source>
        <translation>Cet enregistrement a été fait par un Pistework plus ancien, qui ne gardait pas les raisons.</translation>
    </message>
    <message>
        <source>The left fencer&apos;s lunge landed first, though the right fencer&apos;s attack began %1 s earlier: the first point to land scores.</source>
        <translation>La fente du tireur de gauche est arrivée la première, bien que l’attaque du tireur de droite soit partie %1&#xa0;s plus tôt&#xa0;: la première pointe arrivée marque.</translation>
    </message>
    <message>
        <source>The right fencer&apos;s lunge landed first, though the left fencer&apos;s attack began %1 s earlier: the first point to land scores.</source>
        <translation>La fente du tireur de droite est arrivée la première, bien que l’attaque du tireur de gauche soit partie %1&#xa0;s plus tôt&#xa0;: la première pointe arrivée marque.</translation>
    </message>
    <message>
        <source>The left fencer&apos;s flèche ran its point onto the right fencer&apos;s target: the hit stands.</source>
        <translation>La flèche du tireur de gauche a porté sa pointe sur la cible du tireur de droite&#xa0;: la touche est valable.</translation>
    </message>
    <message>
        <source>The right fencer&apos;s flèche ran its point onto the left fencer&apos;s target: the hit stands.</source>
        <translation>La flèche du tireur de droite a porté sa pointe sur la cible du tireur de gauche&#xa0;: la touche est valable.</translation>
    </message>
    <message>
        <source>The left fencer&apos;s lunge landed and scores; the right fencer&apos;s counter-attack, begun %1 s later, arrived while the lunge was under way: out of time, it does not count.</source>
        <translation>La fente du tireur de gauche a touché et compte&#xa0;; la contre-attaque du tireur de droite, partie %1&#xa0;s plus tard, est arrivée pendant la fente&#xa0;: hors temps, elle ne compte pas.</translation>
    </message>
    <message>
        <source>The right fencer&apos;s lunge landed and scores; the left fencer&apos;s counter-attack, begun %1 s later, arrived while the lunge was under way: out of time, it does not count.</source>
        <translation>La fente du tireur de droite a touché et compte&#xa0;; la contre-attaque du tireur de gauche, partie %1&#xa0;s plus tard, est arrivée pendant la fente&#xa0;: hors temps, elle ne compte pas.</translation>
    </message>
    <message>
        <source>The left fencer&apos;s lunge landed and scores; the right fencer&apos;s point arrived while the lunge was under way: a counter-attack out of time does not count.</source>
        <translation>La fente du tireur de gauche a touché et compte&#xa0;; la pointe du tireur de droite est arrivée pendant la fente&#xa0;: une contre-attaque hors temps ne compte pas.</translation>
    </message>
    <message>
        <source>The right fencer&apos;s lunge landed and scores; the left fencer&apos;s point arrived while the lunge was under way: a counter-attack out of time does not count.</source>
        <translation>La fente du tireur de droite a touché et compte&#xa0;; la pointe du tireur de gauche est arrivée pendant la fente&#xa0;: une contre-attaque hors temps ne compte pas.</translation>
    </message>
    <message>
        <source>Off target: the left fencer&apos;s point landed just short of the right fencer&apos;s target, so nobody scores.</source>
        <translation>Non valable&#xa0;: la pointe du tireur de gauche est arrivée juste avant la cible du tireur de droite, personne ne marque.</translation>
    </message>
    <message>
        <source>Off target: the right fencer&apos;s point landed just short of the left fencer&apos;s target, so nobody scores.</source>
        <translation>Non valable&#xa0;: la pointe du tireur de droite est arrivée juste avant la cible du tireur de gauche, personne ne marque.</translation>
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
    <name>Replay</name>
    <message>
        <source>Timeline</source>
        <translation>Chronologie</translation>
    </message>
    <message>
        <source>Chart of the gap</source>
        <translation>Courbe de l’écart</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <translation>Vitesse %1</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Courbe</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>on target</source>
        <translation>sur la cible</translation>
    </message>
    <message>
        <source>F3 pause · ← → a second · , . a picture · Home End · Page Up Page Down the rulings · D distance · C chart · T fence from here · Esc back to the game</source>
        <translation>F3 pause · ← → une seconde · , . une image · Début Fin · Page préc. Page suiv. les décisions · D distance · C courbe · T tirer d’ici · Échap retour au jeu</translation>
    </message>
    <message>
        <source>%1 steps short</source>
        <translation>%1&#xa0;pas trop court</translation>
    </message>
    <message>
        <source>%1 steps past</source>
        <translation>%1&#xa0;pas au-delà</translation>
    </message>
    <message>
        <source>blades crossed</source>
        <translation>lames croisées</translation>
    </message>
    <message>
        <source>%1 steps apart</source>
        <translation>%1&#xa0;pas d’écart</translation>
    </message>
    <message>
        <source>Gap between the blade tips (steps)</source>
        <translation>Écart entre les pointes (pas)</translation>
    </message>
    <message>
        <source>The attack began with the blades already crossed.</source>
        <translation>L’attaque est partie les lames déjà croisées.</translation>
    </message>
    <message>
        <source>The attack began with the blade tips %1 steps apart.</source>
        <translation>L’attaque est partie à %1&#xa0;pas d’écart entre les pointes.</translation>
    </message>
    <message>
        <source>Fence from here (T)</source>
        <translation>Tirer d’ici (T)</translation>
    </message>
</context>
<context>
    <name>School</name>
    <message>
        <source>Your fencer has not moved. You are the right fencer: advance towards the other one.</source>
        <translation>Votre tireur n’a pas bougé. Vous êtes le tireur de droite : marchez vers l’autre.</translation>
    </message>
    <message>
        <source>You advanced: now retreat a step.</source>
        <translation>Vous avez marché : rompez maintenant d’un pas.</translation>
    </message>
    <message>
        <source>Too close: its lunge reaches you there. Retreat a step as it advances.</source>
        <translation>Trop près : sa fente vous atteint là. Rompez d’un pas quand il marche.</translation>
    </message>
    <message>
        <source>Too far: you have left the distance. Advance a step.</source>
        <translation>Trop loin : vous avez quitté la distance. Marchez d’un pas.</translation>
    </message>
    <message>
        <source>No lunge yet: come into distance, extend your arm and lunge.</source>
        <translation>Pas encore de fente : venez à distance, allongez le bras et fendez-vous.</translation>
    </message>
    <message>
        <source>Your lunge stopped %1 short: start it %1 closer.</source>
        <translation>Votre fente s’est arrêtée %1 trop court : lancez-la %1 plus près.</translation>
    </message>
    <message>
        <source>Off Target: your point arrived just short of the target. Start your lunge a step closer.</source>
        <translation>Non valable : votre pointe est arrivée juste avant la cible. Lancez votre fente un pas plus près.</translation>
    </message>
    <message>
        <source>Too close: your point went %1 past the target. Start your lunge %1 farther away.</source>
        <translation>Trop près : votre pointe est passée %1 au-delà de la cible. Lancez votre fente %1 plus loin.</translation>
    </message>
    <message>
        <source>You lunged with your arm bent, and a bent-arm lunge never lands: extend your arm first.</source>
        <translation>Vous vous êtes fendu le bras plié, et une fente bras plié ne touche jamais : allongez d’abord le bras.</translation>
    </message>
    <message>
        <source>You stayed in your lunge and its lunge landed: recover at once with the lunge command again.</source>
        <translation>Vous êtes resté en fente et sa fente a touché : revenez aussitôt en garde avec la commande de fente.</translation>
    </message>
    <message>
        <source>Its lunge landed first: parry as its lunge comes, while its arm is out.</source>
        <translation>Sa fente a touché la première : parez quand sa fente arrive, bras allongé.</translation>
    </message>
    <message>
        <source>No parry caught its blade: wait for its attack, and parry as it comes.</source>
        <translation>Aucune parade n’a pris son fer : attendez son attaque, et parez quand elle arrive.</translation>
    </message>
    <message>
        <source>You parried, but no riposte followed: lunge at once after the parry.</source>
        <translation>Vous avez paré, mais aucune riposte n’a suivi : fendez-vous aussitôt après la parade.</translation>
    </message>
    <message>
        <source>Its counter-attack landed: you extended within its reach. Extend one step farther out, and lunge at once.</source>
        <translation>Sa contre-attaque a touché : vous avez allongé le bras à sa portée. Allongez un pas plus loin, et fendez-vous aussitôt.</translation>
    </message>
    <message>
        <source>Your flèche ran past the other fencer: nobody scores, and a second pass too soon earns a card.</source>
        <translation>Votre flèche a dépassé l’autre tireur : personne ne marque, et un second dépassement trop tôt vaut un carton.</translation>
    </message>
    <message>
        <source>You ran past the other fencer sooner than the referee allows after the start or the last pass: a card. Run your flèche from where its point lands on the target.</source>
        <translation>Vous avez dépassé l’autre tireur plus tôt que l’arbitre ne le permet après le début ou le dernier dépassement : un carton. Lancez votre flèche d’où sa pointe arrive sur la cible.</translation>
    </message>
    <message>
        <source>No flèche has landed yet: extend your arm, and flèche.</source>
        <translation>Aucune flèche n’a encore touché : allongez le bras, et lancez la flèche.</translation>
    </message>
    <message>
        <source>Its flèche landed: parry it as it arrives, or lunge first as it comes into your reach.</source>
        <translation>Sa flèche a touché : parez-la quand elle arrive, ou fendez-vous d’abord quand elle entre à votre portée.</translation>
    </message>
    <message>
        <source>one step</source>
        <translation>un pas</translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 pas</translation>
    </message>
    <message>
        <source>Lesson %1: %2</source>
        <translation>Leçon %1 : %2</translation>
    </message>
    <message>
        <source>Fencing from the replay</source>
        <translation>Tirer depuis la reprise</translation>
    </message>
    <message>
        <source>Fence with the six buttons under the piste, or choose Keyboard under Settings, Control, to fence with keys.</source>
        <translation>Tirez avec les six boutons sous la piste, ou choisissez Clavier dans Réglages, Contrôle, pour tirer au clavier.</translation>
    </message>
    <message>
        <source>Your keys: %1 advance, %4 retreat, %2 extend, %3 lunge, %5 parry, %6 flèche.</source>
        <translation>Vos touches : %1 marcher, %4 rompre, %2 allonger, %3 fente, %5 parer, %6 flèche.</translation>
    </message>
    <message>
        <source>Passed! Enter begins the next lesson; Esc leaves the school.</source>
        <translation>Réussi ! Entrée commence la leçon suivante ; Échap quitte l’école.</translation>
    </message>
    <message>
        <source>Passed! That was the last lesson; Esc leaves the school.</source>
        <translation>Réussi ! C’était la dernière leçon ; Échap quitte l’école.</translation>
    </message>
    <message>
        <source>You fence the right fencer from here, and the computer the left one at this bout&apos;s level. Esc leaves.</source>
        <translation>Vous tirez à droite à partir d’ici, et l’ordinateur à gauche, au niveau de cet assaut. Échap pour quitter.</translation>
    </message>
    <message>
        <source>Within lunge reach</source>
        <translation>À portée de fente</translation>
    </message>
    <message>
        <source>%1 out of reach</source>
        <translation>Hors de portée de %1</translation>
    </message>
    <message>
        <source>Your fencer</source>
        <translation>Votre tireur</translation>
    </message>
    <message>
        <source>You fence the right fencer. Find your keys, or the buttons under the piste, and move: forward and back.</source>
        <translation>Vous tirez à droite. Trouvez vos touches, ou les boutons sous la piste, et déplacez-vous : en avant et en arrière.</translation>
    </message>
    <message>
        <source>You are the right fencer. Advance two steps, then retreat one.</source>
        <translation>Vous êtes le tireur de droite. Marchez de deux pas, puis rompez d’un pas.</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>La distance</translation>
    </message>
    <message>
        <source>Distance is how far apart the fencers stand. Just out of the other&apos;s reach you are safe, and one step brings you in.</source>
        <translation>La distance, c’est l’écart entre les tireurs. Juste hors de portée de l’autre, vous êtes à l’abri, et un pas vous y fait entrer.</translation>
    </message>
    <message>
        <source>The other fencer advances. Retreat as it comes, and stay one to three steps out of its reach for ten seconds.</source>
        <translation>L’autre tireur marche. Rompez quand il avance, et restez de un à trois pas hors de sa portée pendant dix secondes.</translation>
    </message>
    <message>
        <source>The lunge</source>
        <translation>La fente</translation>
    </message>
    <message>
        <source>The lunge scores when its point arrives on the target, from the right distance: a step farther falls short, a step closer goes past.</source>
        <translation>La fente touche quand sa pointe arrive sur la cible, depuis la bonne distance : un pas plus loin, elle est trop courte ; un pas plus près, elle passe au-delà.</translation>
    </message>
    <message>
        <source>Advance into distance, extend your arm, and lunge.</source>
        <translation>Marchez jusqu’à la distance, allongez le bras, et fendez-vous.</translation>
    </message>
    <message>
        <source>The recovery</source>
        <translation>Le retour en garde</translation>
    </message>
    <message>
        <source>A lunge that misses leaves you open. Recover at once: the lunge key again brings you back on guard.</source>
        <translation>Une fente manquée vous laisse découvert. Revenez aussitôt : la touche de fente, de nouveau, vous remet en garde.</translation>
    </message>
    <message>
        <source>Lunge from where you stand, then recover before the other fencer&apos;s lunge lands.</source>
        <translation>Fendez-vous d’où vous êtes, puis revenez en garde avant que la fente de l’autre tireur ne touche.</translation>
    </message>
    <message>
        <source>The parry</source>
        <translation>La parade</translation>
    </message>
    <message>
        <source>A parry catches the other&apos;s blade while its arm is extended, and its attack is gone.</source>
        <translation>Une parade prend le fer de l’autre tant que son bras est allongé, et son attaque est perdue.</translation>
    </message>
    <message>
        <source>Wait for the other fencer&apos;s lunge, and parry it.</source>
        <translation>Attendez la fente de l’autre tireur, et parez-la.</translation>
    </message>
    <message>
        <source>Parry-riposte</source>
        <translation>Parade-riposte</translation>
    </message>
    <message>
        <source>After a parry the other fencer is in its lunge, close and open: your lunge at once, the riposte, scores.</source>
        <translation>Après une parade, l’autre tireur est en fente, proche et découvert : votre fente aussitôt, la riposte, touche.</translation>
    </message>
    <message>
        <source>Parry the other fencer&apos;s lunge, then lunge at once.</source>
        <translation>Parez la fente de l’autre tireur, puis fendez-vous aussitôt.</translation>
    </message>
    <message>
        <source>Attack and counter-attack</source>
        <translation>Attaque et contre-attaque</translation>
    </message>
    <message>
        <source>In this game the first point to land scores, and a point that arrives while the other is lunging is a counter-attack out of time: the attack that lands after it still scores.</source>
        <translation>Dans ce jeu, la première pointe qui arrive touche, et une pointe qui arrive pendant que l’autre se fend est une contre-attaque hors temps : l’attaque qui touche ensuite marque quand même.</translation>
    </message>
    <message>
        <source>The other fencer counter-attacks as soon as your arm goes out. From one step out of reach, extend and lunge at once.</source>
        <translation>L’autre tireur contre-attaque dès que votre bras s’allonge. À un pas hors de portée, allongez et fendez-vous aussitôt.</translation>
    </message>
    <message>
        <source>The flèche</source>
        <translation>La flèche</translation>
    </message>
    <message>
        <source>The flèche is a running attack: it scores when its point arrives on the target. A flèche that runs past the other scores nothing, and a second pass too soon earns a card.</source>
        <translation>La flèche est une attaque en courant : elle touche quand sa pointe arrive sur la cible. Une flèche qui dépasse l’autre ne marque rien, et un second dépassement trop tôt vaut un carton.</translation>
    </message>
    <message>
        <source>Extend your arm, and flèche from where your point will arrive on the target.</source>
        <translation>Allongez le bras, et lancez la flèche d’où votre pointe arrivera sur la cible.</translation>
    </message>
    <message>
        <source>Against the flèche</source>
        <translation>Contre la flèche</translation>
    </message>
    <message>
        <source>A flèche runs at you from afar. Parry it as it arrives, or score first with a lunge as it comes into your reach.</source>
        <translation>Une flèche court sur vous de loin. Parez-la quand elle arrive, ou touchez d’abord d’une fente quand elle entre à votre portée.</translation>
    </message>
    <message>
        <source>The other fencer runs a flèche: stop it.</source>
        <translation>L’autre tireur lance une flèche : arrêtez-la.</translation>
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
    <message>
        <source>A replay to watch; Esc returns to the game.</source>
        <translation>Un match enregistré à revoir ; Échap revient au jeu.</translation>
    </message>
    <message>
        <source>Host a network bout, on PORT if one follows (%1 if not).</source>
        <translation>Accueillir un match en réseau, sur PORT s’il suit (%1 sinon).</translation>
    </message>
    <message>
        <source>Join the network bout hosted at HOST.</source>
        <translation>Rejoindre le match en réseau accueilli par HOST.</translation>
    </message>
    <message>
        <source>The pairing code of six digits: the host&apos;s own, or the one it shows.</source>
        <translation>Le code d’appariement à six chiffres&#xa0;: celui de l’hôte, ou celui qu’il affiche.</translation>
    </message>
    <message>
        <source>--code takes the six digits of the pairing code, as 123456 or &quot;123 456&quot;</source>
        <translation>--code prend les six chiffres du code d’appariement, comme 123456 ou «&#xa0;123 456&#xa0;»</translation>
    </message>
    <message>
        <source>--host takes a port from 1 to 65535</source>
        <translation>--host prend un port de 1 à 65535</translation>
    </message>
    <message>
        <source>--host, --join and --watch cannot be given together</source>
        <translation>--host, --join et --watch ne peuvent pas être donnés ensemble</translation>
    </message>
    <message>
        <source>%1 needs the host&apos;s --code</source>
        <translation>%1 demande le --code de l’hôte</translation>
    </message>
    <message>
        <source>%1 takes HOST or HOST:PORT</source>
        <translation>%1 prend HÔTE ou HÔTE:PORT</translation>
    </message>
    <message>
        <source>Watch the network bout hosted at HOST.</source>
        <translation>Regarder le match en réseau accueilli sur HÔTE.</translation>
    </message>
    <message>
        <source>Open the fencing school&apos;s lessons.</source>
        <translation>Ouvrir les leçons de l’école d’escrime.</translation>
    </message>
    <message>
        <source>Print the fencing school&apos;s lessons, one a line, and end.</source>
        <translation>Afficher les leçons de l’école d’escrime, une par ligne, et terminer.</translation>
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
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Save Replay</source>
        <translation>Enregistrer le match</translation>
    </message>
    <message>
        <source>Pistework replays (*.pistework)</source>
        <translation>Matchs enregistrés Pistework (*.pistework)</translation>
    </message>
    <message>
        <source>Watch Replay</source>
        <translation>Revoir un match enregistré</translation>
    </message>
    <message>
        <source>It is larger than any replay.</source>
        <translation>Le fichier est plus grand que tout enregistrement.</translation>
    </message>
    <message>
        <source>It is not a Pistework replay.</source>
        <translation>Ce n’est pas un enregistrement Pistework.</translation>
    </message>
    <message>
        <source>It was saved by a newer Pistework.</source>
        <translation>Elle a été enregistrée par une version plus récente de Pistework.</translation>
    </message>
    <message>
        <source>It was saved by a Pistework that fences by other rules.</source>
        <translation>Elle a été enregistrée par un Pistework dont les règles diffèrent.</translation>
    </message>
    <message>
        <source>It ends too soon: it may not have been copied whole.</source>
        <translation>Elle s’arrête trop tôt : elle n’a peut-être pas été copiée en entier.</translation>
    </message>
    <message>
        <source>It is damaged.</source>
        <translation>Elle est endommagée.</translation>
    </message>
    <message>
        <source>The replay %1 could not be opened.</source>
        <translation>L’enregistrement %1 n’a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>The replay %1 cannot be shown.

%2</source>
        <translation>L’enregistrement %1 ne peut pas être montré.

%2</translation>
    </message>
    <message>
        <source>The replay could not be saved to
%1</source>
        <translation>Le match n’a pas pu être enregistré dans
%1</translation>
    </message>
    <message>
        <source>Network bouts cannot start here:
%1</source>
        <translation>Les matchs en réseau ne peuvent pas démarrer ici&#xa0;:
%1</translation>
    </message>
    <message>
        <source>A player could not join: too many wrong codes were tried of late, so its code was not looked at.</source>
        <translation>Un joueur n’a pas pu rejoindre&#xa0;: trop de codes erronés ont été essayés ces derniers temps, si bien que son code n’a pas été examiné.</translation>
    </message>
    <message>
        <source>A player could not join. %1.</source>
        <translation>Un joueur n’a pas pu rejoindre. %1.</translation>
    </message>
    <message>
        <source>B.K.S. Pistework: watching a network bout at %1</source>
        <translation>B.K.S. Pistework&#xa0;: spectateur du match en réseau de %1</translation>
    </message>
    <message>
        <source>Bout %1 %2-%3.pistework</source>
        <translation>Match %1 %2-%3.pistework</translation>
    </message>
    <message>
        <source>Replay, paused</source>
        <translation>Enregistrement, en pause</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>The lessons passed could not be saved.</source>
        <translation>Les leçons réussies n’ont pas pu être enregistrées.</translation>
    </message>
    <message>
        <source>Fencing School</source>
        <translation>École d’escrime</translation>
    </message>
    <message>
        <source>Fencing</source>
        <translation>Escrime</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <translation>%1, en pause</translation>
    </message>
    <message>
        <source>This replay cannot be taken over: it was saved by an earlier Pistework, which kept only its pictures, not the bout.</source>
        <translation>Cette reprise ne peut pas être reprise en main : elle a été enregistrée par un Pistework plus ancien, qui n’en gardait que les images, pas l’assaut.</translation>
    </message>
    <message>
        <source>The bout is over at this moment: go back to where it is still fenced to take it over.</source>
        <translation>L’assaut est terminé à cet instant : revenez là où il se tire encore pour le reprendre en main.</translation>
    </message>
    <message>
        <source>The network bout is not over. Leave it?</source>
        <translation>Le match en réseau n’est pas fini. Le quitter&#xa0;?</translation>
    </message>
    <message>
        <source>B.K.S. Pistework: you fence on the right against %1</source>
        <translation>B.K.S. Pistework&#xa0;: vous tirez à droite contre %1</translation>
    </message>
    <message>
        <source>B.K.S. Pistework: you fence on the left against %1</source>
        <translation>B.K.S. Pistework&#xa0;: vous tirez à gauche contre %1</translation>
    </message>
    <message>
        <source>B.K.S. Pistework: you fence on the right against %1, round trip %2 ms</source>
        <translation>B.K.S. Pistework&#xa0;: vous tirez à droite contre %1, aller-retour %2&#xa0;ms</translation>
    </message>
    <message>
        <source>B.K.S. Pistework: you fence on the left against %1, round trip %2 ms</source>
        <translation>B.K.S. Pistework&#xa0;: vous tirez à gauche contre %1, aller-retour %2&#xa0;ms</translation>
    </message>
    <message>
        <source>&amp;Leave</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Fence On</source>
        <translation>&amp;Continuer</translation>
    </message>
    <message>
        <source>This bout could not be kept in
%1

The disk may be full. Every bout kept before is still there.</source>
        <translation>Ce match n’a pas pu être gardé dans
%1

Le disque est peut-être plein. Tous les matchs gardés auparavant sont toujours là.</translation>
    </message>
    <message>
        <source>This bout cannot be shown: its replay is damaged.</source>
        <translation>Ce match ne peut pas être montré : son enregistrement est endommagé.</translation>
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
        <translation>Pour en savoir plus sur les clubs de votre région, contactez Valdmark sur</translation>
    </message>
    <message>
        <source>or your own national federation</source>
        <translation>ou votre fédération nationale.</translation>
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
    <name>pistework::dialogs::BoutsDialog</name>
    <message>
        <source>custom level</source>
        <translation>niveau personnalisé</translation>
    </message>
    <message>
        <source>two players</source>
        <translation>deux joueurs</translation>
    </message>
    <message>
        <source>%1, on the network</source>
        <translation>%1, en réseau</translation>
    </message>
    <message>
        <source>watched from %1</source>
        <translation>regardé depuis %1</translation>
    </message>
    <message>
        <source>both</source>
        <translation>les deux</translation>
    </message>
    <message>
        <source>left</source>
        <translation>gauche</translation>
    </message>
    <message>
        <source>right</source>
        <translation>droite</translation>
    </message>
    <message>
        <source>not finished</source>
        <translation>inachevé</translation>
    </message>
    <message>
        <source>drawn</source>
        <translation>nul</translation>
    </message>
    <message>
        <source>won</source>
        <translation>gagné</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>perdu</translation>
    </message>
    <message>
        <source>left won</source>
        <translation>gauche gagne</translation>
    </message>
    <message>
        <source>right won</source>
        <translation>droite gagne</translation>
    </message>
    <message>
        <source>Bouts</source>
        <translation>Historique des matchs</translation>
    </message>
    <message>
        <source>Bouts kept</source>
        <translation>Matchs gardés</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Against</source>
        <translation>Contre</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Côté</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Record against each level</source>
        <translation>Bilan contre chaque niveau</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagnés</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdus</translation>
    </message>
    <message>
        <source>Hits given</source>
        <translation>Touches données</translation>
    </message>
    <message>
        <source>Hits taken</source>
        <translation>Touches reçues</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Voir</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Enregistrer…</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Supprimer…</translation>
    </message>
    <message>
        <source>damaged file</source>
        <translation>fichier endommagé</translation>
    </message>
    <message>
        <source>Bouts won so far (%)</source>
        <translation>Matchs gagnés jusqu’ici (%)</translation>
    </message>
    <message>
        <source>The chart cannot be shown: its library, with Qt Charts, could not be loaded.</source>
        <translation>Le graphique ne peut pas être montré : sa bibliothèque, avec Qt Charts, n’a pas pu être chargée.</translation>
    </message>
    <message>
        <source>This bout is no longer kept, or its file is damaged.</source>
        <translation>Ce match n’est plus gardé, ou son fichier est endommagé.</translation>
    </message>
    <message>
        <source>Delete the bout that ended %1 for good?</source>
        <translation>Supprimer définitivement le match terminé le %1 ?</translation>
    </message>
    <message>
        <source>Delete this damaged file for good?</source>
        <translation>Supprimer définitivement ce fichier endommagé ?</translation>
    </message>
    <message>
        <source>Delete Bout</source>
        <translation>Supprimer le match</translation>
    </message>
    <message>
        <source>The bout could not be deleted.</source>
        <translation>Le match n’a pas pu être supprimé.</translation>
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
    <name>pistework::dialogs::HandbookDialog</name>
    <message>
        <source>Handbook</source>
        <translation>Manuel</translation>
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
        <translation>La flèche est une attaque en courant, à lancer plutôt de loin. Le bras doit d’abord être allongé. Ne l’utilisez pas trop souvent&#xa0;: chaque flèche vous fait perdre du terrain. Si vous heurtez votre adversaire par accident, vous recevez </translation>
    </message>
    <message>
        <source>opponent you will receive a warning and your opponent will be awarded a hit for each subsequent offence.</source>
        <translation>un avertissement, puis votre adversaire marque une touche à chaque nouvelle faute.</translation>
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
    <name>pistework::dialogs::HostDialog</name>
    <message>
        <source>Host Network Bout</source>
        <translation>Accueillir un match en réseau</translation>
    </message>
    <message>
        <source>This machine cannot take a guest on port %1:
%2</source>
        <translation>Cet ordinateur ne peut pas accueillir d’invité sur le port %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Waiting for your opponent. Tell them one of these addresses, the port and the code:</source>
        <translation>En attente de votre adversaire. Donnez-lui une de ces adresses, le port et le code&#xa0;:</translation>
    </message>
    <message>
        <source>Addresses:</source>
        <translation>Adresses&#xa0;:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port&#xa0;:</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Code&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Asking your router to open the port to the internet…</source>
        <translation>Demande au routeur d’ouvrir le port vers Internet…</translation>
    </message>
    <message>
        <source>Friends join at %1, code %2</source>
        <translation>Vos amis vous rejoignent à %1, code %2</translation>
    </message>
    <message>
        <source>%1, code %2</source>
        <translation>%1, code %2</translation>
    </message>
    <message>
        <source>No router on this network answered.</source>
        <translation>Aucun routeur de ce réseau n’a répondu.</translation>
    </message>
    <message>
        <source>Your router refused to open the port.</source>
        <translation>Votre routeur a refusé d’ouvrir le port.</translation>
    </message>
    <message>
        <source>Your router holds that port for another machine.</source>
        <translation>Votre routeur réserve ce port à un autre ordinateur.</translation>
    </message>
    <message>
        <source>Your router opened the port, but it is itself behind another router, your provider&apos;s perhaps.</source>
        <translation>Votre routeur a ouvert le port, mais il se trouve lui-même derrière un autre routeur, peut-être celui de votre fournisseur.</translation>
    </message>
    <message>
        <source>Your router&apos;s answer could not be read.</source>
        <translation>La réponse de votre routeur est illisible.</translation>
    </message>
    <message>
        <source>Your router stopped keeping the port open.</source>
        <translation>Votre routeur ne garde plus le port ouvert.</translation>
    </message>
    <message>
        <source>The router could not be asked.</source>
        <translation>Le routeur n’a pas pu être interrogé.</translation>
    </message>
    <message>
        <source>%1 Friends on the internet cannot join yet: see “Playing over the internet” in the README to open the port by hand.</source>
        <translation>%1 Vos amis ne peuvent pas encore vous rejoindre par Internet&#xa0;: voyez «&#xa0;Playing over the internet&#xa0;» dans le README pour ouvrir le port à la main.</translation>
    </message>
</context>
<context>
    <name>pistework::dialogs::JoinDialog</name>
    <message>
        <source>Join Network Bout</source>
        <translation>Rejoindre un match en réseau</translation>
    </message>
    <message>
        <source>Ask your opponent, who hosts the bout, for these:</source>
        <translation>Demandez-les à votre adversaire, qui accueille le match&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Code&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Rejoindre</translation>
    </message>
    <message>
        <source>That is not an address a host can have.</source>
        <translation>Ce n’est pas une adresse d’hôte valable.</translation>
    </message>
    <message>
        <source>The code is the six digits the host shows.</source>
        <translation>Le code, ce sont les six chiffres que montre l’hôte.</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Connexion à %1…</translation>
    </message>
    <message>
        <source>Connected; waiting for the host…</source>
        <translation>Connecté&#xa0;; en attente de l’hôte…</translation>
    </message>
    <message>
        <source>Could not connect: %1</source>
        <translation>Connexion impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Watch Network Bout</source>
        <translation>Regarder un match en réseau</translation>
    </message>
    <message>
        <source>Ask the player who hosts the bout for these:</source>
        <translation>Demandez-les au joueur qui accueille le match&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>Re&amp;garder</translation>
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
    <name>pistework::dialogs::SchoolDialog</name>
    <message>
        <source>Fencing School</source>
        <translation>École d’escrime</translation>
    </message>
    <message>
        <source>Each lesson runs on the piste against a fencer held to a script. Pass one and the next opens.</source>
        <translation>Chaque leçon se tire sur la piste contre un tireur tenu à un script. Réussissez-en une, et la suivante s’ouvre.</translation>
    </message>
    <message>
        <source>Lessons</source>
        <translation>Leçons</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>réussie</translation>
    </message>
    <message>
        <source>not yet passed</source>
        <translation>pas encore réussie</translation>
    </message>
    <message>
        <source>opens when the one before is passed</source>
        <translation>s’ouvre quand la précédente est réussie</translation>
    </message>
    <message>
        <source>%1. %2 (%3)
%4</source>
        <translation>%1. %2 (%3)
%4</translation>
    </message>
    <message>
        <source>&amp;Begin</source>
        <translation>&amp;Commencer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
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
