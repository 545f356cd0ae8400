<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BestResultsDialog</name>
    <message>
        <source>Novice</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Mittelstufe</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Könner</translation>
    </message>
    <message>
        <source>Quarter-Finalist</source>
        <translation>Viertelfinalist</translation>
    </message>
    <message>
        <source>Semi-Finalist</source>
        <translation>Halbfinalist</translation>
    </message>
    <message>
        <source>Champion</source>
        <translation>Meister</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>Handbook</name>
    <message>
        <source>The lunge: the arm extended, the front foot thrown forward, the point on the opponent&apos;s jacket.</source>
        <translation>Der Ausfall: der Arm gestreckt, der vordere Fuß nach vorn geworfen, die Spitze auf der Weste des Gegners.</translation>
    </message>
    <message>
        <source>The parry: the blade swept across to beat the opponent&apos;s blade aside.</source>
        <translation>Die Parade: die Klinge quer geführt, um die gegnerische Klinge beiseitezuschlagen.</translation>
    </message>
    <message>
        <source>The flèche: a running attack with the arm extended.</source>
        <translation>Die Flèche: ein Sturzangriff mit gestrecktem Arm.</translation>
    </message>
    <message>
        <source>Left fencer hit on target</source>
        <translation>Gültiger Treffer des linken Fechters</translation>
    </message>
    <message>
        <source>Left fencer hit off target</source>
        <translation>Ungültiger Treffer des linken Fechters</translation>
    </message>
    <message>
        <source>Right fencer hit on target</source>
        <translation>Gültiger Treffer des rechten Fechters</translation>
    </message>
    <message>
        <source>Right fencer hit off target</source>
        <translation>Ungültiger Treffer des rechten Fechters</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>So wird gespielt</translation>
    </message>
    <message>
        <source>Advance to within distance, extend the arm, then lunge. After a lunge you must recover to engarde and extend again before you can lunge again. Parry to turn an attack aside: a fencer whose blade is beaten cannot answer for a moment. The flèche is a running attack from further away; the arm must be extended first, and each flèche costs you ground. Hits must land on the jacket: a hit on the arm is off target and does not count.</source>
        <translation>Gehen Sie auf Distanz vor, strecken Sie den Arm, dann fallen Sie aus. Nach einem Ausfall müssen Sie zurück in die Fechtstellung und den Arm erneut strecken, bevor Sie wieder ausfallen können. Mit der Parade lenken Sie einen Angriff ab: Ein Fechter, dessen Klinge geschlagen wurde, kann einen Moment lang nicht antworten. Die Flèche ist ein Sturzangriff aus größerer Distanz; der Arm muss zuerst gestreckt sein, und jede Flèche kostet Sie Boden. Treffer müssen auf der Weste landen: Ein Treffer am Arm ist ungültig und zählt nicht.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Schritt vor</translation>
    </message>
    <message>
        <source>Extend the arm</source>
        <translation>Arm strecken</translation>
    </message>
    <message>
        <source>Lunge, or recover from a lunge</source>
        <translation>Ausfall oder aus dem Ausfall zurück in die Fechtstellung</translation>
    </message>
    <message>
        <source>Retreat</source>
        <translation>Schritt zurück</translation>
    </message>
    <message>
        <source>Parry</source>
        <translation>Parade</translation>
    </message>
    <message>
        <source>Flèche, or recover forwards from a lunge</source>
        <translation>Flèche oder aus dem Ausfall vorwärts in die Fechtstellung</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>With the mouse (Settings, Control, Mouse) you command your fencer with the six buttons under the piste. With the keyboard (Settings, Control, Keyboard) the right fencer answers to the right-hand keys, and in a two-player bout the left fencer to the left-hand keys. Change them under Settings, Control, Keyboard Layout. The keys as now set:</source>
        <translation>Mit der Maus (Einstellungen, Steuerung, Maus) führen Sie Ihren Fechter über die sechs Schaltflächen unter der Planche. Mit der Tastatur (Einstellungen, Steuerung, Tastatur) gehorcht der rechte Fechter den rechten Tasten und, in einem Gefecht zu zweit, der linke Fechter den linken. Ändern lassen sie sich unter Einstellungen, Steuerung, Tastenbelegung. Die Tasten, wie sie jetzt belegt sind:</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Left fencer</source>
        <translation>Linker Fechter</translation>
    </message>
    <message>
        <source>Right fencer</source>
        <translation>Rechter Fechter</translation>
    </message>
    <message>
        <source>Both fencers take their places on the engarde lines.</source>
        <translation>Beide Fechter stellen sich an ihren Startlinien auf.</translation>
    </message>
    <message>
        <source>Get ready: fencing starts in a moment.</source>
        <translation>Bereitmachen: Gleich wird gefochten.</translation>
    </message>
    <message>
        <source>The bout clock runs; the fencers move on the next beat.</source>
        <translation>Die Gefechtsuhr läuft; die Fechter bewegen sich mit dem nächsten Takt.</translation>
    </message>
    <message>
        <source>Fencing stops and the clock stands still; the referee says why.</source>
        <translation>Das Gefecht ruht, und die Uhr steht still; der Kampfrichter sagt, warum.</translation>
    </message>
    <message>
        <source>The named fencer&apos;s attack has arrived.</source>
        <translation>Der Angriff des genannten Fechters ist angekommen.</translation>
    </message>
    <message>
        <source>The named fencer&apos;s attack has arrived, and the other&apos;s counter-attack too.</source>
        <translation>Der Angriff des genannten Fechters ist angekommen, der Gegenangriff des anderen ebenfalls.</translation>
    </message>
    <message>
        <source>The hit landed off the target: no hit is scored and the fencers step apart where they stand.</source>
        <translation>Der Treffer lag außerhalb der gültigen Trefffläche: Er wird nicht gezählt, und die Fechter treten dort auseinander, wo sie stehen.</translation>
    </message>
    <message>
        <source>The attack counts: one hit to the fencer who made it.</source>
        <translation>Der Angriff zählt: ein Treffer für den Angreifer.</translation>
    </message>
    <message>
        <source>The attack counts; the counter-attack came too late and does not.</source>
        <translation>Der Angriff zählt; der Gegenangriff kam zu spät und zählt nicht.</translation>
    </message>
    <message>
        <source>One fencer has run past the other.</source>
        <translation>Ein Fechter hat den anderen überlaufen.</translation>
    </message>
    <message>
        <source>The named fencer ran past again with a flèche only a few seconds after the last time: an offence, and a card follows.</source>
        <translation>Der genannte Fechter hat den Gegner nur wenige Sekunden nach dem letzten Mal erneut mit einer Flèche überlaufen: ein Verstoß, und eine Karte folgt.</translation>
    </message>
    <message>
        <source>The named fencer&apos;s first offence of the bout: a warning, no hit.</source>
        <translation>Erster Verstoß des genannten Fechters im Gefecht: eine Verwarnung, kein Treffer.</translation>
    </message>
    <message>
        <source>A later offence by the named fencer: one hit to the other fencer.</source>
        <translation>Ein weiterer Verstoß des genannten Fechters: ein Treffer für den anderen Fechter.</translation>
    </message>
    <message>
        <source>After a pass: no hit; both fencers go back and fence on.</source>
        <translation>Nach dem Überlaufen: kein Treffer; beide Fechter gehen zurück und fechten weiter.</translation>
    </message>
    <message>
        <source>The bout is over: a fencer reached the target or the time ran out.</source>
        <translation>Das Gefecht ist beendet: Ein Fechter hat die Trefferzahl erreicht, oder die Zeit ist abgelaufen.</translation>
    </message>
    <message>
        <source>The referee&apos;s calls</source>
        <translation>Die Ansagen des Kampfrichters</translation>
    </message>
    <message>
        <source>The referee calls in large letters above the fencers.</source>
        <translation>Der Kampfrichter sagt in großen Buchstaben über den Fechtern an.</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Ansage</translation>
    </message>
    <message>
        <source>What it means</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>Lamps and cards</source>
        <translation>Lampen und Karten</translation>
    </message>
    <message>
        <source>Each fencer has a scoring lamp beside the piste, the left fencer&apos;s red and the right fencer&apos;s green, with a white lamp beside it. After a hit the lamps flash until the next &quot;Engarde&quot;: the coloured lamp for a hit on target, the white one for a hit off target. When the other fencer&apos;s counter-attack also arrived, its coloured lamp flashes as well.</source>
        <translation>Jeder Fechter hat neben der Planche eine Trefferlampe, der linke eine rote, der rechte eine grüne, und daneben eine weiße Lampe. Nach einem Treffer blinken die Lampen bis zum nächsten „En garde“: die farbige Lampe bei einem gültigen Treffer, die weiße bei einem ungültigen. Ist auch der Gegenangriff des anderen Fechters angekommen, blinkt auch dessen farbige Lampe.</translation>
    </message>
    <message>
        <source>Running into the opponent with a flèche again too soon after one&apos;s own last pass is an offence. The first offence of a bout earns a yellow card, a warning. Every later one earns a red card, which gives the opponent a hit; the number on the red card counts them. Cards do not carry into the next bout.</source>
        <translation>Wer den Gegner zu bald nach dem eigenen letzten Überlaufen erneut mit einer Flèche anrennt, begeht einen Verstoß. Der erste Verstoß eines Gefechts bringt eine Gelbe Karte, eine Verwarnung. Jeder weitere bringt eine Rote Karte, die dem Gegner einen Treffer gibt; die Zahl auf der Roten Karte zählt sie. Karten werden nicht ins nächste Gefecht übernommen.</translation>
    </message>
    <message>
        <source>Opponents</source>
        <translation>Gegner</translation>
    </message>
    <message>
        <source>Choose the computer&apos;s level under Settings, Opponent. Speed is how many milliseconds the computer&apos;s fencer takes over each picture of its moves: the fewer, the quicker. Range is the spread of its random choices; high draws make it stand and wait, so the smaller the range, the less it hesitates. The best result at each level is kept.</source>
        <translation>Die Stufe des Computers wählen Sie unter Einstellungen, Gegner. Tempo ist die Zahl der Millisekunden, die der Fechter des Computers für jedes Bild seiner Bewegungen braucht: je weniger, desto schneller. Spanne ist die Bandbreite seiner Zufallsentscheidungen; hohe Würfe lassen ihn stehen und abwarten, also zögert er umso weniger, je kleiner die Spanne ist. Die Bestleistung auf jeder Stufe wird gespeichert.</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Speed (ms)</source>
        <translation>Tempo (ms)</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Spanne</translation>
    </message>
    <message>
        <source>Settings, Opponent, %1 sets an opponent of your own with two bars: Speed from %2 ms to %3 ms, Reaction Time the range from %4 to %5; both move right towards a stronger opponent. A custom opponent keeps no best results, nor does a %6 bout.</source>
        <translation>Unter Einstellungen, Gegner, %1 stellen Sie mit zwei Schiebereglern einen eigenen Gegner ein: Tempo von %2&#xa0;ms bis %3&#xa0;ms, Reaktionszeit die Spanne von %4 bis %5; bei beiden wird der Gegner nach rechts hin stärker. Ein eigener Gegner hält keine Bestleistungen fest, ebenso wenig ein Gefecht im Modus „%6“.</translation>
    </message>
    <message>
        <source>The demonstration</source>
        <translation>Die Vorführung</translation>
    </message>
    <message>
        <source>When nobody starts a bout for 15 seconds, the computer fences both sides at the %1 level, bout after bout, with a pause of about three seconds between them. Press F2 to start a bout of your own.</source>
        <translation>Beginnt 15 Sekunden lang niemand ein Gefecht, ficht der Computer beide Seiten auf der Stufe %1, Gefecht um Gefecht, mit einer Pause von etwa drei Sekunden dazwischen. Mit F2 beginnen Sie ein eigenes Gefecht.</translation>
    </message>
    <message>
        <source>Options and best results</source>
        <translation>Einstellungen und Bestleistungen</translation>
    </message>
    <message>
        <source>Delete it, with the game closed, to start again from the defaults and no best results.</source>
        <translation>Löschen Sie sie bei geschlossenem Spiel, um mit den Voreinstellungen und ohne Bestleistungen neu zu beginnen.</translation>
    </message>
    <message>
        <source>Pistework Handbook</source>
        <translation>Pistework-Handbuch</translation>
    </message>
    <message>
        <source>Fencing over a network</source>
        <translation>Fechten über das Netzwerk</translation>
    </message>
    <message>
        <source>You fence the fencer on the right. On the left stands the computer, or a friend in a two-player bout. The first to reach the number of hits chosen under Settings, Game Type (5, 10 or 15) wins; a timed bout also ends when its clock runs out. Press F2 to start a new bout and F3 to pause it. A bout runs on while you are in another window, unless you choose Settings, Pause When Inactive.</source>
        <translation>Sie fechten als rechter Fechter. Links steht der Computer oder, in einem Gefecht zu zweit, ein Freund. Wer zuerst die unter Einstellungen, Gefechtsart gewählte Trefferzahl (5, 10 oder 15) erreicht, gewinnt; ein Gefecht mit Zeitlimit endet außerdem, wenn seine Zeit abgelaufen ist. Mit F2 beginnen Sie ein neues Gefecht, mit F3 halten Sie es an. Ein Gefecht läuft weiter, während Sie in einem anderen Fenster sind, es sei denn, Sie wählen Einstellungen, Pause bei Inaktivität.</translation>
    </message>
    <message>
        <source>Nobody can find the code by trying: after a few wrong codes from one address, the host makes it wait longer before each next one, and takes no more than one wrong code a second from everyone together. Nothing a stranger sends stops hosting or a bout. Either player may switch between the keys and the mouse during the bout.</source>
        <translation>Niemand kann den Code durch Probieren finden: Nach einigen falschen Codes von einer Adresse lässt der Gastgeber sie vor jedem weiteren länger warten, und von allen zusammen nimmt er höchstens einen falschen Code pro Sekunde an. Nichts, was ein Fremder sendet, beendet das Ausrichten oder ein Gefecht. Jeder Spieler kann während des Gefechts zwischen Tasten und Maus wechseln.</translation>
    </message>
    <message>
        <source>The game keeps the options chosen in its menus (game type, timed bout, opponent, control, keys and Pause When Inactive) and the best result at each level, with the winner&apos;s name, in one file. Every start is silent, with one player against the computer. The file:</source>
        <translation>Das Spiel speichert die in seinen Menüs gewählten Einstellungen (Gefechtsart, Zeitlimit, Gegner, Steuerung, Tasten und Pause bei Inaktivität) und die Bestleistung auf jeder Stufe samt dem Namen des Siegers in einer einzigen Datei. Jeder Start ist stumm, mit einem Spieler gegen den Computer. Die Datei:</translation>
    </message>
    <message>
        <source>One player chooses File, %1: the dialog shows this machine&apos;s addresses, the port (%2) and a code of six digits, and waits. The other chooses File, %3, and types the address, the port and the code. The bout is fenced at the host&apos;s options; the host fences the right fencer and the guest the left one, each with the keys, buttons or pad they use at home.</source>
        <translation>Ein Spieler wählt Datei, %1: Das Fenster zeigt die Adressen dieses Rechners, den Port (%2) und einen sechsstelligen Code und wartet. Der andere wählt Datei, %3, und gibt Adresse, Port und Code ein. Gefochten wird mit den Einstellungen des Gastgebers; der Gastgeber ficht rechts, der Gast links, jeder mit den Tasten, Schaltflächen oder dem Gamepad, die er zu Hause benutzt.</translation>
    </message>
    <message>
        <source>Both games fence the same bout from both players&apos; commands, so each player&apos;s own fencer answers at once, as on one keyboard. When the other player&apos;s command arrives, that fencer may jump to where it really is, but never more than a quarter second back. Over a slow link the bout waits for the other game and says so. Every second the two games check that they agree. The window&apos;s title shows the round trip between them.</source>
        <translation>Beide Spiele fechten dasselbe Gefecht aus den Befehlen beider Spieler: Der eigene Fechter jedes Spielers antwortet sofort, wie an einer Tastatur. Kommt der Befehl des anderen Spielers an, kann dessen Fechter dorthin springen, wo er wirklich ist, doch nie mehr als eine Viertelsekunde zurück. Über eine langsame Verbindung wartet das Gefecht auf das andere Spiel und sagt es. Jede Sekunde prüfen die beiden Spiele, dass sie übereinstimmen. Der Fenstertitel zeigt die Umlaufzeit zwischen ihnen.</translation>
    </message>
    <message>
        <source>Up to eight more people can watch the bout live: File, %1, with the same address, port and code. A watcher sees both fencers a moment after the players do and commands nothing; once the bout is over, File, %2 keeps it.</source>
        <translation>Bis zu acht weitere Personen können dem Gefecht live zuschauen: Datei, %1, mit derselben Adresse, demselben Port und demselben Code. Ein Zuschauer sieht beide Fechter einen Augenblick nach den Spielern und befiehlt nichts; ist das Gefecht vorbei, bewahrt Datei, %2 es auf.</translation>
    </message>
    <message>
        <source>Watching replays</source>
        <translation>Wiederholungen ansehen</translation>
    </message>
    <message>
        <source>File, %1 (Ctrl+R) plays the bout just fenced, a network bout too, and File, %2 a saved one; File, %3 offers a name with the date and the score. A strip under the board plays and pauses the replay (F3), sets its speed from ×¼ to ×4 and shows the whole bout as a timeline, with a mark at each ruling: red for a hit by the left fencer, green for the right, white off target, grey for a pass, yellow and dark red for the cards. Click or drag on the timeline to go there; ← and → move a second, the comma and the full stop one picture, Home and End go to either end, Page Up and Page Down to the ruling before or after.</source>
        <translation>Datei, %1 (Strg+R) spielt das eben gefochtene Gefecht ab, auch ein Netzwerkgefecht, und Datei, %2 ein gespeichertes; Datei, %3 schlägt einen Namen mit Datum und Stand vor. Eine Leiste unter der Bahn spielt die Wiederholung ab und hält sie an (F3), stellt das Tempo von ×¼ bis ×4 ein und zeigt das ganze Gefecht als Zeitleiste, mit einer Marke bei jeder Entscheidung: rot für einen Treffer des linken Fechters, grün für den rechten, weiß für ungültig, grau für ein Vorbeilaufen, gelb und dunkelrot für die Karten. Klicken oder ziehen Sie auf der Zeitleiste, um dorthin zu springen; ← und → gehen eine Sekunde, Komma und Punkt ein Bild weiter oder zurück, Pos1 und Ende an die Enden, Bild auf und Bild ab zur Entscheidung davor oder danach.</translation>
    </message>
    <message>
        <source>From each &quot;Halt&quot; to the next &quot;Engarde&quot; the strip says in one sentence why the referee ruled as he did, from what he weighed: whose attack began first and by how much, whose point arrived and where, how soon a flèche ran past again. Under it stands the gap between the blade tips when the attack began.</source>
        <translation>Von jedem „Halt“ bis zum nächsten „En garde“ sagt die Leiste in einem Satz, warum der Kampfrichter so entschied, aus dem, was er abwog: wessen Angriff zuerst begann und um wie viel, wessen Spitze wo ankam, wie bald eine Flèche wieder vorbeilief. Darunter steht der Abstand der Klingenspitzen zu Beginn des Angriffs.</translation>
    </message>
    <message>
        <source>View, %1 (D) draws the gap between the blade tips as a thin line, with its length in steps, a step being what one advance covers; within a lunge&apos;s reach the blades cross, and the line says so. During a lunge or a flèche the line runs from the point to the other fencer&apos;s target and says how far short it still is. C, or the end of the replay, shows a chart of the gap over the whole bout, every ruling marked.</source>
        <translation>Ansicht, %1 (D) zeichnet den Abstand der Klingenspitzen als dünne Linie, mit seiner Länge in Schritten, ein Schritt so weit wie ein Schritt vor; in Ausfallreichweite kreuzen sich die Klingen, und die Linie sagt es. Während eines Ausfalls oder einer Flèche führt die Linie von der Spitze zur Trefffläche des Gegners und sagt, wie weit sie noch zu kurz ist. C, oder das Ende der Wiederholung, zeigt den Verlauf des Abstands über das ganze Gefecht, jede Entscheidung markiert.</translation>
    </message>
    <message>
        <source>A lunge %1 steps short of the target, as %2 shows it.</source>
        <translation>Ein Ausfall %1 Schritte vor der Trefffläche, wie %2 ihn zeigt.</translation>
    </message>
    <message>
        <source>The fencing school</source>
        <translation>Die Fechtschule</translation>
    </message>
    <message>
        <source>Help, %1 lists the school&apos;s lessons. Each runs on the piste from a set position, against a computer fencer held to a script: it stands, advances, lunges when in distance, counter-attacks or runs a flèche. A strip under the board gives the lesson&apos;s goal; when an attempt goes wrong it says why, in the referee&apos;s terms, and how to mend it, and the lesson starts again. A lesson passed opens the next: Enter begins it, Esc leaves the school. The lessons passed are kept with the options.</source>
        <translation>Hilfe, %1 listet die Lektionen der Schule. Jede wird auf der Planche aus einer festen Stellung gefochten, gegen einen Fechter des Computers, der einem Plan folgt: Er bleibt stehen, geht vor, fällt auf Distanz aus, greift gegen an oder läuft eine Flèche. Eine Leiste unter der Bahn nennt das Ziel der Lektion; misslingt ein Versuch, sagt sie in den Worten des Kampfrichters, warum, und wie es besser geht, und die Lektion beginnt neu. Eine bestandene Lektion öffnet die nächste: Eingabe beginnt sie, Esc verlässt die Schule. Die bestandenen Lektionen werden mit den Einstellungen gespeichert.</translation>
    </message>
    <message>
        <source>While a replay plays, T hands its bout to you from the moment shown: you fence the right fencer, and the computer the left one at the bout&apos;s level. A replay saved by an earlier Pistework keeps only its pictures and cannot be taken over.</source>
        <translation>Während eine Wiederholung läuft, übergibt T Ihnen das Gefecht ab dem gezeigten Augenblick: Sie fechten rechts, der Computer links auf der Stufe des Gefechts. Eine Wiederholung, die ein älteres Pistework gespeichert hat, enthält nur ihre Bilder und kann nicht übernommen werden.</translation>
    </message>
    <message>
        <source>%1 may be chosen over your own bouts too; it is off until you choose it, and the lessons that teach distance turn it on.</source>
        <translation>%1 lässt sich auch während Ihrer eigenen Gefechte wählen; es bleibt aus, bis Sie es wählen, und die Lektionen über die Distanz schalten es ein.</translation>
    </message>
    <message>
        <source>Either player pauses with F3, and the strip under the piste says who did. After Game Over, F2 offers a rematch, which the other player accepts with F2; before it, F2 or closing a window asks first, then ends the network bout for both, and each window says why where the referee calls. A network bout keeps no best result.</source>
        <translation>Jeder Spieler kann mit F3 pausieren, und die Leiste unter der Fechtbahn nennt, wer es tat. Nach dem Gefechtsende bietet F2 eine Revanche an, die der andere Spieler mit F2 annimmt; davor fragen F2 und das Schließen eines Fensters erst nach, dann endet das Netzwerkgefecht für beide, und jedes Fenster nennt den Grund dort, wo der Kampfrichter ansagt. Ein Netzwerkgefecht zählt nicht für die Bestleistungen.</translation>
    </message>
    <message>
        <source>Across the internet, hosting asks the home router to open the port, and the host&apos;s dialog says the address friends join at, with a Copy button; the port is closed again when hosting ends. Where no router answers, or it refuses, forward the port to the host machine by hand in the router&apos;s settings. A router behind a provider&apos;s own (carrier-grade NAT) cannot be reached from the internet: let the other player host. Settings, %1 turns the asking off.</source>
        <translation>Über das Internet bittet der Gastgeber den Heimrouter, den Port zu öffnen, und sein Dialog nennt die Adresse, unter der Freunde beitreten, mit einer Schaltfläche zum Kopieren; der Port wird wieder geschlossen, wenn das Gastgeben endet. Antwortet kein Router oder lehnt er ab, leiten Sie den Port in den Einstellungen des Routers von Hand an den Rechner des Gastgebers weiter. Ein Router hinter dem des Anbieters (Carrier-Grade-NAT) ist aus dem Internet nicht erreichbar: Lassen Sie den anderen Spieler Gastgeber sein. Einstellungen, %1 schaltet die Bitte ab.</translation>
    </message>
</context>
<context>
    <name>KeysDialog</name>
    <message>
        <source>Advance</source>
        <translation>Schritt vor</translation>
    </message>
    <message>
        <source>Extend Arm</source>
        <translation>Arm strecken</translation>
    </message>
    <message>
        <source>Lunge/Recover</source>
        <translation>Ausfall/zurück</translation>
    </message>
    <message>
        <source>Retreat</source>
        <translation>Schritt zurück</translation>
    </message>
    <message>
        <source>Parry</source>
        <translation>Parade</translation>
    </message>
    <message>
        <source>Flèche/Recover Forwards</source>
        <translation>Flèche/vorwärts zurück</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>Left fencer&apos;s red card</source>
        <translation>Rote Karte des linken Fechters</translation>
    </message>
    <message>
        <source>Left fencer&apos;s lamp</source>
        <translation>Lampe des linken Fechters</translation>
    </message>
    <message>
        <source>Lights when the left fencer hits</source>
        <translation>Leuchtet, wenn der linke Fechter trifft</translation>
    </message>
    <message>
        <source>Right fencer&apos;s lamp</source>
        <translation>Lampe des rechten Fechters</translation>
    </message>
    <message>
        <source>Lights when the right fencer hits</source>
        <translation>Leuchtet, wenn der rechte Fechter trifft</translation>
    </message>
    <message>
        <source>Piste</source>
        <translation>Planche</translation>
    </message>
    <message>
        <source>Right fencer</source>
        <translation>Rechter Fechter</translation>
    </message>
    <message>
        <source>Left fencer</source>
        <translation>Linker Fechter</translation>
    </message>
    <message>
        <source>Engarde</source>
        <translation>En garde</translation>
    </message>
    <message>
        <source>Referee&apos;s call</source>
        <translation>Ansage des Kampfrichters</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Left fencer&apos;s score</source>
        <translation>Treffer des linken Fechters</translation>
    </message>
    <message>
        <source>Right fencer&apos;s score</source>
        <translation>Treffer des rechten Fechters</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Left fencer&apos;s yellow card</source>
        <translation>Gelbe Karte des linken Fechters</translation>
    </message>
    <message>
        <source>Right fencer&apos;s yellow card</source>
        <translation>Gelbe Karte des rechten Fechters</translation>
    </message>
    <message>
        <source>Right fencer&apos;s red card</source>
        <translation>Rote Karte des rechten Fechters</translation>
    </message>
    <message>
        <source>Left fencer&apos;s red cards</source>
        <translation>Rote Karten des linken Fechters</translation>
    </message>
    <message>
        <source>Right fencer&apos;s red cards</source>
        <translation>Rote Karten des rechten Fechters</translation>
    </message>
    <message>
        <source>Press F2 to Start</source>
        <translation>F2 startet</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Extend</source>
        <translation>Strecken</translation>
    </message>
    <message>
        <source>Lunge</source>
        <translation>Ausfall</translation>
    </message>
    <message>
        <source>Retreat</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Parry</source>
        <translation>Parade</translation>
    </message>
    <message>
        <source>Flèche</source>
        <translation>Flèche</translation>
    </message>
    <message>
        <source>Fencing keys</source>
        <translation>Fechttasten</translation>
    </message>
    <message>
        <source>Type the fencers&apos; keys here in keyboard control</source>
        <translation>Hier die Tasten der Fechter tippen (Tastatursteuerung)</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Resume Game</source>
        <translation>&amp;Weiterspielen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Pause Game</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Best Results</source>
        <translation>&amp;Bestleistungen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Game Type</source>
        <translation>&amp;Gefechtsart</translation>
    </message>
    <message>
        <source>First to 5</source>
        <translation>Auf 5 Treffer</translation>
    </message>
    <message>
        <source>First to 10</source>
        <translation>Auf 10 Treffer</translation>
    </message>
    <message>
        <source>First to 15</source>
        <translation>Auf 15 Treffer</translation>
    </message>
    <message>
        <source>Timed</source>
        <translation>Mit Zeitlimit</translation>
    </message>
    <message>
        <source>&amp;Opponent</source>
        <translation>&amp;Gegner</translation>
    </message>
    <message>
        <source>&amp;Novice</source>
        <translation>&amp;Anfänger</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Mittelstufe</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;Könner</translation>
    </message>
    <message>
        <source>&amp;Quarter-Finalist</source>
        <translation>&amp;Viertelfinalist</translation>
    </message>
    <message>
        <source>&amp;Semi-Finalist</source>
        <translation>&amp;Halbfinalist</translation>
    </message>
    <message>
        <source>&amp;Champion</source>
        <translation>&amp;Meister</translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <translation>&amp;Eigene Stufe</translation>
    </message>
    <message>
        <source>&amp;2 Player</source>
        <translation>&amp;2 Spieler</translation>
    </message>
    <message>
        <source>&amp;Control</source>
        <translation>&amp;Steuerung</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Tastatur</translation>
    </message>
    <message>
        <source>&amp;Mouse</source>
        <translation>&amp;Maus</translation>
    </message>
    <message>
        <source>Keyboard &amp;Layout</source>
        <translation>Tasten&amp;belegung</translation>
    </message>
    <message>
        <source>&amp;Sound On</source>
        <translation>&amp;Ton an</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über…</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Hilfe…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>Hand&amp;book</source>
        <translation>Hand&amp;buch</translation>
    </message>
    <message>
        <source>&amp;Save Replay…</source>
        <translation>Wiederholung &amp;speichern…</translation>
    </message>
    <message>
        <source>&amp;Watch Replay…</source>
        <translation>Wiederholung &amp;ansehen…</translation>
    </message>
    <message>
        <source>&amp;Host Network Bout…</source>
        <translation>Netzwerkgefecht aus&amp;richten…</translation>
    </message>
    <message>
        <source>&amp;Join Network Bout…</source>
        <translation>Netzwerkgefecht bei&amp;treten…</translation>
    </message>
    <message>
        <source>Pause When &amp;Inactive</source>
        <translation>Pause bei &amp;Inaktivität</translation>
    </message>
    <message>
        <source>Wa&amp;tch Network Bout…</source>
        <translation>Netzwerkgefecht &amp;zuschauen…</translation>
    </message>
    <message>
        <source>Watch &amp;Last Bout</source>
        <translation>&amp;Letztes Gefecht ansehen</translation>
    </message>
    <message>
        <source>Show &amp;Distance</source>
        <translation>&amp;Abstand zeigen</translation>
    </message>
    <message>
        <source>Fencing &amp;School…</source>
        <translation>Fecht&amp;schule…</translation>
    </message>
    <message>
        <source>B&amp;outs…</source>
        <translation>&amp;Gefechte…</translation>
    </message>
    <message>
        <source>Ask the &amp;Router to Open the Port</source>
        <translation>&amp;Router bitten, den Port zu öffnen</translation>
    </message>
</context>
<context>
    <name>NetService</name>
    <message>
        <source>%1 did not answer within %2 seconds.</source>
        <translation>%1 hat nicht innerhalb von %2 Sekunden geantwortet.</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>The other game sent what no game sends:
the network bout is over</source>
        <translation>Das andere Spiel sandte ungültige Daten:
das Netzwerkgefecht ist beendet</translation>
    </message>
    <message>
        <source>Network bout ended</source>
        <translation>Netzwerkgefecht beendet</translation>
    </message>
    <message>
        <source>Your opponent left the network bout</source>
        <translation>Ihr Gegner hat das Netzwerkgefecht verlassen</translation>
    </message>
    <message>
        <source>The connection to your opponent was lost</source>
        <translation>Die Verbindung zum Gegner ist abgebrochen</translation>
    </message>
    <message>
        <source>Your opponent has not answered
for five seconds</source>
        <translation>Ihr Gegner antwortet seit
fünf Sekunden nicht mehr</translation>
    </message>
    <message>
        <source>The pairing code is wrong</source>
        <translation>Der Kopplungscode ist falsch</translation>
    </message>
    <message>
        <source>The other game is another version of Pistework</source>
        <translation>Das andere Spiel ist eine andere Pistework-Version</translation>
    </message>
    <message>
        <source>The host has a guest already</source>
        <translation>Der Gastgeber hat schon einen Gast</translation>
    </message>
    <message>
        <source>The two games saw the bout differently:
the network bout is over</source>
        <translation>Die beiden Spiele sahen das Gefecht verschieden:
das Netzwerkgefecht ist beendet</translation>
    </message>
    <message>
        <source>Waiting for the other player…</source>
        <translation>Warten auf den anderen Spieler…</translation>
    </message>
    <message>
        <source>Too many wrong codes from your address:
wait a moment, then try again</source>
        <translation>Zu viele falsche Codes von Ihrer Adresse:
warten Sie kurz und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>Your opponent&apos;s game fell behind:
the network bout is over</source>
        <translation>Das Spiel Ihres Gegners ist zurückgefallen:
das Netzwerkgefecht ist beendet</translation>
    </message>
    <message>
        <source>A draw at %1 to %2.</source>
        <translation>Unentschieden, %1 zu %2.</translation>
    </message>
    <message>
        <source>You won, %1 to %2.</source>
        <translation>Sie haben gewonnen, %1 zu %2.</translation>
    </message>
    <message>
        <source>Your opponent won, %1 to %2.</source>
        <translation>Ihr Gegner hat gewonnen, %1 zu %2.</translation>
    </message>
    <message>
        <source>The host won, %1 to %2.</source>
        <translation>Der Gastgeber hat gewonnen, %1 zu %2.</translation>
    </message>
    <message>
        <source>The guest won, %1 to %2.</source>
        <translation>Der Gast hat gewonnen, %1 zu %2.</translation>
    </message>
    <message>
        <source>If both players ask, the next bout follows here.</source>
        <translation>Wünschen es beide Spieler, folgt hier das nächste Gefecht.</translation>
    </message>
    <message>
        <source>You asked for a rematch: waiting for your opponent to accept.</source>
        <translation>Sie haben um eine Revanche gebeten: Warten auf die Zusage Ihres Gegners.</translation>
    </message>
    <message>
        <source>Your opponent offers a rematch: press F2 to accept.</source>
        <translation>Ihr Gegner bietet eine Revanche an: Drücken Sie F2, um anzunehmen.</translation>
    </message>
    <message>
        <source>Press F2 to offer a rematch.</source>
        <translation>Drücken Sie F2, um eine Revanche anzubieten.</translation>
    </message>
    <message>
        <source>You paused the bout: F3 resumes it.</source>
        <translation>Sie haben das Gefecht angehalten: F3 setzt es fort.</translation>
    </message>
    <message>
        <source>Your opponent paused the bout: F3 resumes it.</source>
        <translation>Ihr Gegner hat das Gefecht angehalten: F3 setzt es fort.</translation>
    </message>
    <message>
        <source>The host paused the bout.</source>
        <translation>Der Gastgeber hat das Gefecht angehalten.</translation>
    </message>
    <message>
        <source>The guest paused the bout.</source>
        <translation>Der Gast hat das Gefecht angehalten.</translation>
    </message>
    <message>
        <source>The host fences on the right, the guest on the left.</source>
        <translation>Der Gastgeber ficht rechts, der Gast links.</translation>
    </message>
    <message>
        <source>You fence on the right. F3 pauses the bout for both of you; F2 leaves it.</source>
        <translation>Sie fechten rechts. F3 hält das Gefecht für Sie beide an; F2 verlässt es.</translation>
    </message>
    <message>
        <source>You fence on the left. F3 pauses the bout for both of you; F2 leaves it.</source>
        <translation>Sie fechten links. F3 hält das Gefecht für Sie beide an; F2 verlässt es.</translation>
    </message>
    <message>
        <source>The bout is over and your opponent has gone</source>
        <translation>Gefecht vorbei, Ihr Gegner ist gegangen</translation>
    </message>
    <message>
        <source>The host left the network bout</source>
        <translation>Der Gastgeber hat das Netzwerkgefecht verlassen</translation>
    </message>
    <message>
        <source>The network bout is over</source>
        <translation>Das Netzwerkgefecht ist vorbei</translation>
    </message>
    <message>
        <source>The connection to the host was lost</source>
        <translation>Die Verbindung zum Gastgeber ist abgebrochen</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>The left fencer&apos;s lunge landed on target and the right fencer made no attack: the hit stands.</source>
        <translation>Der Ausfall des linken Fechters traf die Trefffläche, und der rechte Fechter griff nicht an: Der Treffer zählt.</translation>
    </message>
    <message>
        <source>The right fencer&apos;s lunge landed on target and the left fencer made no attack: the hit stands.</source>
        <translation>Der Ausfall des rechten Fechters traf die Trefffläche, und der linke Fechter griff nicht an: Der Treffer zählt.</translation>
    </message>
    <message>
        <source>The left fencer parried the right fencer&apos;s blade, then lunged and landed: the riposte scores.</source>
        <translation>Der linke Fechter parierte die Klinge des rechten, fiel dann aus und traf: Die Riposte zählt.</translation>
    </message>
    <message>
        <source>The right fencer parried the left fencer&apos;s blade, then lunged and landed: the riposte scores.</source>
        <translation>Der rechte Fechter parierte die Klinge des linken, fiel dann aus und traf: Die Riposte zählt.</translation>
    </message>
    <message>
        <source>The left fencer&apos;s attack started %1 s before the right fencer&apos;s and landed first: the hit stands.</source>
        <translation>Der Angriff des linken Fechters begann %1 s vor dem des rechten und traf zuerst: Der Treffer zählt.</translation>
    </message>
    <message>
        <source>The right fencer&apos;s attack started %1 s before the left fencer&apos;s and landed first: the hit stands.</source>
        <translation>Der Angriff des rechten Fechters begann %1 s vor dem des linken und traf zuerst: Der Treffer zählt.</translation>
    </message>
    <message>
        <source>The left fencer&apos;s point landed on target first: the hit stands.</source>
        <translation>Die Spitze des linken Fechters traf zuerst die Trefffläche: Der Treffer zählt.</translation>
    </message>
    <message>
        <source>The right fencer&apos;s point landed on target first: the hit stands.</source>
        <translation>Die Spitze des rechten Fechters traf zuerst die Trefffläche: Der Treffer zählt.</translation>
    </message>
    <message>
        <source>The fencers ran past each other before either point landed: nobody scores.</source>
        <translation>Die Fechter liefen aneinander vorbei, bevor eine Spitze traf: Niemand punktet.</translation>
    </message>
    <message>
        <source>The left fencer&apos;s flèche ran past the other %1 s after the last one, sooner than the %2 s allowed: a warning.</source>
        <translation>Die Flèche des linken Fechters lief %1 s nach der letzten am Gegner vorbei, früher als die erlaubten %2 s: eine Verwarnung.</translation>
    </message>
    <message>
        <source>The right fencer&apos;s flèche ran past the other %1 s after the last one, sooner than the %2 s allowed: a warning.</source>
        <translation>Die Flèche des rechten Fechters lief %1 s nach der letzten am Gegner vorbei, früher als die erlaubten %2 s: eine Verwarnung.</translation>
    </message>
    <message>
        <source>The left fencer&apos;s flèche ran past the other %1 s after the last one, sooner than the %2 s allowed, once more: a hit for the right fencer.</source>
        <translation>Die Flèche des linken Fechters lief %1 s nach der letzten am Gegner vorbei, früher als die erlaubten %2 s, und nicht zum ersten Mal: ein Treffer für den rechten Fechter.</translation>
    </message>
    <message>
        <source>The right fencer&apos;s flèche ran past the other %1 s after the last one, sooner than the %2 s allowed, once more: a hit for the left fencer.</source>
        <translation>Die Flèche des rechten Fechters lief %1 s nach der letzten am Gegner vorbei, früher als die erlaubten %2 s, und nicht zum ersten Mal: ein Treffer für den linken Fechter.</translation>
    </message>
    <message>
        <source>This replay was saved by an earlier Pistework, which kept no reasons.</source>
        <translation>Diese Wiederholung stammt von einem älteren Pistework, das keine Begründungen speicherte.</translation>
    </message>
    <message>
        <source>The left fencer&apos;s lunge landed first, though the right fencer&apos;s attack began %1 s earlier: the first point to land scores.</source>
        <translation>Der Ausfall des linken Fechters traf zuerst, obwohl der Angriff des rechten %1 s früher begann: Es zählt die Spitze, die zuerst trifft.</translation>
    </message>
    <message>
        <source>The right fencer&apos;s lunge landed first, though the left fencer&apos;s attack began %1 s earlier: the first point to land scores.</source>
        <translation>Der Ausfall des rechten Fechters traf zuerst, obwohl der Angriff des linken %1 s früher begann: Es zählt die Spitze, die zuerst trifft.</translation>
    </message>
    <message>
        <source>The left fencer&apos;s flèche ran its point onto the right fencer&apos;s target: the hit stands.</source>
        <translation>Die Flèche des linken Fechters brachte ihre Spitze auf die Trefffläche des rechten: Der Treffer zählt.</translation>
    </message>
    <message>
        <source>The right fencer&apos;s flèche ran its point onto the left fencer&apos;s target: the hit stands.</source>
        <translation>Die Flèche des rechten Fechters brachte ihre Spitze auf die Trefffläche des linken: Der Treffer zählt.</translation>
    </message>
    <message>
        <source>The left fencer&apos;s lunge landed and scores; the right fencer&apos;s counter-attack, begun %1 s later, arrived while the lunge was under way: out of time, it does not count.</source>
        <translation>Der Ausfall des linken Fechters traf und zählt; der Gegenangriff des rechten, %1 s später begonnen, kam während des Ausfalls an: Außer Zeit zählt er nicht.</translation>
    </message>
    <message>
        <source>The right fencer&apos;s lunge landed and scores; the left fencer&apos;s counter-attack, begun %1 s later, arrived while the lunge was under way: out of time, it does not count.</source>
        <translation>Der Ausfall des rechten Fechters traf und zählt; der Gegenangriff des linken, %1 s später begonnen, kam während des Ausfalls an: Außer Zeit zählt er nicht.</translation>
    </message>
    <message>
        <source>The left fencer&apos;s lunge landed and scores; the right fencer&apos;s point arrived while the lunge was under way: a counter-attack out of time does not count.</source>
        <translation>Der Ausfall des linken Fechters traf und zählt; die Spitze des rechten kam während des Ausfalls an: Ein Gegenangriff außer Zeit zählt nicht.</translation>
    </message>
    <message>
        <source>The right fencer&apos;s lunge landed and scores; the left fencer&apos;s point arrived while the lunge was under way: a counter-attack out of time does not count.</source>
        <translation>Der Ausfall des rechten Fechters traf und zählt; die Spitze des linken kam während des Ausfalls an: Ein Gegenangriff außer Zeit zählt nicht.</translation>
    </message>
    <message>
        <source>Off target: the left fencer&apos;s point landed just short of the right fencer&apos;s target, so nobody scores.</source>
        <translation>Ungültig: Die Spitze des linken Fechters traf knapp vor der Trefffläche des rechten, niemand punktet.</translation>
    </message>
    <message>
        <source>Off target: the right fencer&apos;s point landed just short of the left fencer&apos;s target, so nobody scores.</source>
        <translation>Ungültig: Die Spitze des rechten Fechters traf knapp vor der Trefffläche des linken, niemand punktet.</translation>
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
        <translation>Fertig?</translation>
    </message>
    <message>
        <source>Fence</source>
        <translation>Los!</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Halt!</translation>
    </message>
    <message>
        <source>Attack from the Left</source>
        <translation>Angriff von links</translation>
    </message>
    <message>
        <source>Attack from the Right</source>
        <translation>Angriff von rechts</translation>
    </message>
    <message>
        <source>Attack from the Left
Counter Attack from the Right</source>
        <translation>Angriff von links
Gegenangriff von rechts</translation>
    </message>
    <message>
        <source>Attack from the Right
Counter Attack from the Left</source>
        <translation>Angriff von rechts
Gegenangriff von links</translation>
    </message>
    <message>
        <source>Off Target</source>
        <translation>Ungültig</translation>
    </message>
    <message>
        <source>Successful</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>Attack is Successful
Counter is Out of Time</source>
        <translation>Angriff trifft
Gegenangriff zu spät</translation>
    </message>
    <message>
        <source>Opponent Passed</source>
        <translation>Gegner überlaufen</translation>
    </message>
    <message>
        <source>Corps à Corps</source>
        <translation>Corps à corps</translation>
    </message>
    <message>
        <source>Warning - Yellow Card Left</source>
        <translation>Verwarnung – Gelbe Karte links</translation>
    </message>
    <message>
        <source>Warning - Yellow Card Right</source>
        <translation>Verwarnung – Gelbe Karte rechts</translation>
    </message>
    <message>
        <source>Warning - Red Card Left</source>
        <translation>Rote Karte links</translation>
    </message>
    <message>
        <source>Warning - Red Card Right</source>
        <translation>Rote Karte rechts</translation>
    </message>
    <message>
        <source>Return to Engarde</source>
        <translation>Zurück in die Fechtstellung</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Gefechtsende</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>Timeline</source>
        <translation>Zeitleiste</translation>
    </message>
    <message>
        <source>Chart of the gap</source>
        <translation>Verlauf des Abstands</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <translation>Tempo %1</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>on target</source>
        <translation>auf der Trefffläche</translation>
    </message>
    <message>
        <source>F3 pause · ← → a second · , . a picture · Home End · Page Up Page Down the rulings · D distance · C chart · T fence from here · Esc back to the game</source>
        <translation>F3 Pause · ← → eine Sekunde · , . ein Bild · Pos1 Ende · Bild↑ Bild↓ die Entscheidungen · D Abstand · C Verlauf · T ab hier fechten · Esc zurück zum Spiel</translation>
    </message>
    <message>
        <source>%1 steps short</source>
        <translation>%1 Schritte zu kurz</translation>
    </message>
    <message>
        <source>%1 steps past</source>
        <translation>%1 Schritte darüber hinaus</translation>
    </message>
    <message>
        <source>blades crossed</source>
        <translation>Klingen gekreuzt</translation>
    </message>
    <message>
        <source>%1 steps apart</source>
        <translation>%1 Schritte</translation>
    </message>
    <message>
        <source>Gap between the blade tips (steps)</source>
        <translation>Abstand der Klingenspitzen (Schritte)</translation>
    </message>
    <message>
        <source>The attack began with the blades already crossed.</source>
        <translation>Der Angriff begann mit schon gekreuzten Klingen.</translation>
    </message>
    <message>
        <source>The attack began with the blade tips %1 steps apart.</source>
        <translation>Der Angriff begann bei einem Abstand der Klingenspitzen von %1 Schritten.</translation>
    </message>
    <message>
        <source>Fence from here (T)</source>
        <translation>Ab hier fechten (T)</translation>
    </message>
</context>
<context>
    <name>School</name>
    <message>
        <source>Your fencer has not moved. You are the right fencer: advance towards the other one.</source>
        <translation>Ihr Fechter hat sich nicht bewegt. Sie sind der rechte Fechter: Gehen Sie auf den anderen zu.</translation>
    </message>
    <message>
        <source>You advanced: now retreat a step.</source>
        <translation>Sie sind vorgegangen: Gehen Sie jetzt einen Schritt zurück.</translation>
    </message>
    <message>
        <source>Too close: its lunge reaches you there. Retreat a step as it advances.</source>
        <translation>Zu nah: Sein Ausfall erreicht Sie dort. Gehen Sie einen Schritt zurück, wenn er vorgeht.</translation>
    </message>
    <message>
        <source>Too far: you have left the distance. Advance a step.</source>
        <translation>Zu weit: Sie haben die Distanz verlassen. Gehen Sie einen Schritt vor.</translation>
    </message>
    <message>
        <source>No lunge yet: come into distance, extend your arm and lunge.</source>
        <translation>Noch kein Ausfall: Gehen Sie auf Distanz, strecken Sie den Arm und fallen Sie aus.</translation>
    </message>
    <message>
        <source>Your lunge stopped %1 short: start it %1 closer.</source>
        <translation>Ihr Ausfall blieb %1 zu kurz: Beginnen Sie ihn %1 näher.</translation>
    </message>
    <message>
        <source>Off Target: your point arrived just short of the target. Start your lunge a step closer.</source>
        <translation>Ungültig: Ihre Spitze kam knapp vor der Trefffläche an. Beginnen Sie Ihren Ausfall einen Schritt näher.</translation>
    </message>
    <message>
        <source>Too close: your point went %1 past the target. Start your lunge %1 farther away.</source>
        <translation>Zu nah: Ihre Spitze ging %1 über die Trefffläche hinaus. Beginnen Sie Ihren Ausfall %1 weiter entfernt.</translation>
    </message>
    <message>
        <source>You lunged with your arm bent, and a bent-arm lunge never lands: extend your arm first.</source>
        <translation>Sie sind mit gebeugtem Arm ausgefallen, und ein Ausfall mit gebeugtem Arm trifft nie: Strecken Sie zuerst den Arm.</translation>
    </message>
    <message>
        <source>You stayed in your lunge and its lunge landed: recover at once with the lunge command again.</source>
        <translation>Sie sind im Ausfall geblieben, und sein Ausfall hat getroffen: Kehren Sie sofort mit dem Ausfallbefehl in die Fechtstellung zurück.</translation>
    </message>
    <message>
        <source>Its lunge landed first: parry as its lunge comes, while its arm is out.</source>
        <translation>Sein Ausfall hat zuerst getroffen: Parieren Sie, wenn sein Ausfall kommt, während sein Arm gestreckt ist.</translation>
    </message>
    <message>
        <source>No parry caught its blade: wait for its attack, and parry as it comes.</source>
        <translation>Keine Parade hat seine Klinge erfasst: Warten Sie seinen Angriff ab und parieren Sie, wenn er kommt.</translation>
    </message>
    <message>
        <source>You parried, but no riposte followed: lunge at once after the parry.</source>
        <translation>Sie haben pariert, aber keine Riposte folgte: Fallen Sie sofort nach der Parade aus.</translation>
    </message>
    <message>
        <source>Its counter-attack landed: you extended within its reach. Extend one step farther out, and lunge at once.</source>
        <translation>Sein Gegenangriff hat getroffen: Sie haben den Arm in seiner Reichweite gestreckt. Strecken Sie einen Schritt weiter entfernt und fallen Sie sofort aus.</translation>
    </message>
    <message>
        <source>Your flèche ran past the other fencer: nobody scores, and a second pass too soon earns a card.</source>
        <translation>Ihre Flèche lief am anderen Fechter vorbei: Niemand punktet, und ein zweites Vorbeilaufen zu früh bringt eine Karte.</translation>
    </message>
    <message>
        <source>You ran past the other fencer sooner than the referee allows after the start or the last pass: a card. Run your flèche from where its point lands on the target.</source>
        <translation>Sie sind früher am anderen Fechter vorbeigelaufen, als der Kampfrichter nach dem Beginn oder dem letzten Vorbeilaufen erlaubt: eine Karte. Laufen Sie Ihre Flèche von dort, wo ihre Spitze auf der Trefffläche ankommt.</translation>
    </message>
    <message>
        <source>No flèche has landed yet: extend your arm, and flèche.</source>
        <translation>Noch keine Flèche hat getroffen: Strecken Sie den Arm und laufen Sie die Flèche.</translation>
    </message>
    <message>
        <source>Its flèche landed: parry it as it arrives, or lunge first as it comes into your reach.</source>
        <translation>Seine Flèche hat getroffen: Parieren Sie sie, wenn sie ankommt, oder fallen Sie zuerst aus, wenn sie in Ihre Reichweite kommt.</translation>
    </message>
    <message>
        <source>one step</source>
        <translation>einen Schritt</translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 Schritte</translation>
    </message>
    <message>
        <source>Lesson %1: %2</source>
        <translation>Lektion %1: %2</translation>
    </message>
    <message>
        <source>Fencing from the replay</source>
        <translation>Aus der Wiederholung fechten</translation>
    </message>
    <message>
        <source>Fence with the six buttons under the piste, or choose Keyboard under Settings, Control, to fence with keys.</source>
        <translation>Fechten Sie mit den sechs Schaltflächen unter der Planche, oder wählen Sie Tastatur unter Einstellungen, Steuerung, um mit Tasten zu fechten.</translation>
    </message>
    <message>
        <source>Your keys: %1 advance, %4 retreat, %2 extend, %3 lunge, %5 parry, %6 flèche.</source>
        <translation>Ihre Tasten: %1 vor, %4 zurück, %2 strecken, %3 Ausfall, %5 Parade, %6 Flèche.</translation>
    </message>
    <message>
        <source>Passed! Enter begins the next lesson; Esc leaves the school.</source>
        <translation>Bestanden! Eingabe beginnt die nächste Lektion; Esc verlässt die Schule.</translation>
    </message>
    <message>
        <source>Passed! That was the last lesson; Esc leaves the school.</source>
        <translation>Bestanden! Das war die letzte Lektion; Esc verlässt die Schule.</translation>
    </message>
    <message>
        <source>You fence the right fencer from here, and the computer the left one at this bout&apos;s level. Esc leaves.</source>
        <translation>Sie fechten ab hier rechts, der Computer links auf der Stufe dieses Gefechts. Esc beendet.</translation>
    </message>
    <message>
        <source>Within lunge reach</source>
        <translation>In Ausfallreichweite</translation>
    </message>
    <message>
        <source>%1 out of reach</source>
        <translation>%1 außer Reichweite</translation>
    </message>
    <message>
        <source>Your fencer</source>
        <translation>Ihr Fechter</translation>
    </message>
    <message>
        <source>You fence the right fencer. Find your keys, or the buttons under the piste, and move: forward and back.</source>
        <translation>Sie fechten rechts. Finden Sie Ihre Tasten oder die Schaltflächen unter der Planche, und bewegen Sie sich: vor und zurück.</translation>
    </message>
    <message>
        <source>You are the right fencer. Advance two steps, then retreat one.</source>
        <translation>Sie sind der rechte Fechter. Gehen Sie zwei Schritte vor, dann einen zurück.</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Die Distanz</translation>
    </message>
    <message>
        <source>Distance is how far apart the fencers stand. Just out of the other&apos;s reach you are safe, and one step brings you in.</source>
        <translation>Die Distanz ist der Abstand zwischen den Fechtern. Knapp außerhalb der Reichweite des anderen sind Sie sicher, und ein Schritt bringt Sie hinein.</translation>
    </message>
    <message>
        <source>The other fencer advances. Retreat as it comes, and stay one to three steps out of its reach for ten seconds.</source>
        <translation>Der andere Fechter geht vor. Gehen Sie zurück, wenn er kommt, und bleiben Sie zehn Sekunden lang ein bis drei Schritte außerhalb seiner Reichweite.</translation>
    </message>
    <message>
        <source>The lunge</source>
        <translation>Der Ausfall</translation>
    </message>
    <message>
        <source>The lunge scores when its point arrives on the target, from the right distance: a step farther falls short, a step closer goes past.</source>
        <translation>Der Ausfall trifft, wenn seine Spitze auf der Trefffläche ankommt, aus der richtigen Distanz: einen Schritt weiter bleibt er zu kurz, einen Schritt näher geht er darüber hinaus.</translation>
    </message>
    <message>
        <source>Advance into distance, extend your arm, and lunge.</source>
        <translation>Gehen Sie auf Distanz, strecken Sie den Arm und fallen Sie aus.</translation>
    </message>
    <message>
        <source>The recovery</source>
        <translation>Die Rückkehr in die Fechtstellung</translation>
    </message>
    <message>
        <source>A lunge that misses leaves you open. Recover at once: the lunge key again brings you back on guard.</source>
        <translation>Ein Ausfall, der fehlt, lässt Sie offen. Kehren Sie sofort zurück: Die Ausfalltaste bringt Sie erneut in die Fechtstellung.</translation>
    </message>
    <message>
        <source>Lunge from where you stand, then recover before the other fencer&apos;s lunge lands.</source>
        <translation>Fallen Sie von Ihrem Platz aus aus und kehren Sie zurück, bevor der Ausfall des anderen Fechters trifft.</translation>
    </message>
    <message>
        <source>The parry</source>
        <translation>Die Parade</translation>
    </message>
    <message>
        <source>A parry catches the other&apos;s blade while its arm is extended, and its attack is gone.</source>
        <translation>Eine Parade erfasst die Klinge des anderen, solange sein Arm gestreckt ist, und sein Angriff ist dahin.</translation>
    </message>
    <message>
        <source>Wait for the other fencer&apos;s lunge, and parry it.</source>
        <translation>Warten Sie den Ausfall des anderen Fechters ab und parieren Sie ihn.</translation>
    </message>
    <message>
        <source>Parry-riposte</source>
        <translation>Parade-Riposte</translation>
    </message>
    <message>
        <source>After a parry the other fencer is in its lunge, close and open: your lunge at once, the riposte, scores.</source>
        <translation>Nach einer Parade steht der andere Fechter im Ausfall, nah und offen: Ihr sofortiger Ausfall, die Riposte, trifft.</translation>
    </message>
    <message>
        <source>Parry the other fencer&apos;s lunge, then lunge at once.</source>
        <translation>Parieren Sie den Ausfall des anderen Fechters, dann fallen Sie sofort aus.</translation>
    </message>
    <message>
        <source>Attack and counter-attack</source>
        <translation>Angriff und Gegenangriff</translation>
    </message>
    <message>
        <source>In this game the first point to land scores, and a point that arrives while the other is lunging is a counter-attack out of time: the attack that lands after it still scores.</source>
        <translation>In diesem Spiel zählt die Spitze, die zuerst trifft, und eine Spitze, die ankommt, während der andere ausfällt, ist ein Gegenangriff außer Zeit: Der Angriff, der danach trifft, zählt trotzdem.</translation>
    </message>
    <message>
        <source>The other fencer counter-attacks as soon as your arm goes out. From one step out of reach, extend and lunge at once.</source>
        <translation>Der andere Fechter greift gegen an, sobald Ihr Arm sich streckt. Strecken Sie einen Schritt außerhalb der Reichweite und fallen Sie sofort aus.</translation>
    </message>
    <message>
        <source>The flèche</source>
        <translation>Die Flèche</translation>
    </message>
    <message>
        <source>The flèche is a running attack: it scores when its point arrives on the target. A flèche that runs past the other scores nothing, and a second pass too soon earns a card.</source>
        <translation>Die Flèche ist ein Sturzangriff: Sie trifft, wenn ihre Spitze auf der Trefffläche ankommt. Eine Flèche, die am anderen vorbeiläuft, zählt nichts, und ein zweites Vorbeilaufen zu früh bringt eine Karte.</translation>
    </message>
    <message>
        <source>Extend your arm, and flèche from where your point will arrive on the target.</source>
        <translation>Strecken Sie den Arm und laufen Sie die Flèche von dort, wo Ihre Spitze auf der Trefffläche ankommen wird.</translation>
    </message>
    <message>
        <source>Against the flèche</source>
        <translation>Gegen die Flèche</translation>
    </message>
    <message>
        <source>A flèche runs at you from afar. Parry it as it arrives, or score first with a lunge as it comes into your reach.</source>
        <translation>Eine Flèche läuft von weitem auf Sie zu. Parieren Sie sie, wenn sie ankommt, oder treffen Sie zuerst mit einem Ausfall, wenn sie in Ihre Reichweite kommt.</translation>
    </message>
    <message>
        <source>The other fencer runs a flèche: stop it.</source>
        <translation>Der andere Fechter läuft eine Flèche: Halten Sie sie auf.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>the folder named by %1, whose name is not valid UTF-8</source>
        <translation>der durch %1 benannte Ordner, dessen Name kein gültiges UTF-8 ist</translation>
    </message>
    <message>
        <source>Your settings folder is named by %1 in bytes that are not UTF-8, so the game cannot name it: it starts with the defaults, and the options chosen this time will not be saved.</source>
        <translation>Ihr Einstellungsordner ist durch %1 in Bytes benannt, die kein UTF-8 sind; das Spiel kann ihn daher nicht benennen: Es startet mit den Voreinstellungen, und die diesmal gewählten Optionen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so the game does not read it and will not replace it.</source>
        <translation>%1 ist keine reguläre Datei; das Spiel liest sie nicht und ersetzt sie nicht.</translation>
    </message>
</context>
<context>
    <name>VictoryDialog</name>
    <message>
        <source>Novice Level</source>
        <translation>Stufe Anfänger</translation>
    </message>
    <message>
        <source>Intermediate Level</source>
        <translation>Mittelstufe</translation>
    </message>
    <message>
        <source>Advanced Level</source>
        <translation>Stufe Könner</translation>
    </message>
    <message>
        <source>Quarter-Finalist Level</source>
        <translation>Stufe Viertelfinalist</translation>
    </message>
    <message>
        <source>Semi-Finalist Level</source>
        <translation>Stufe Halbfinalist</translation>
    </message>
    <message>
        <source>Champion Level</source>
        <translation>Stufe Meister</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>B.K.S. Pistework: foil fencing against the computer or a friend.</source>
        <translation>B.K.S. Pistework: Florettfechten gegen den Computer oder einen Freund.</translation>
    </message>
    <message>
        <source>pistework: the window cannot open on the display &apos;%1&apos;: %2</source>
        <translation>pistework: Das Fenster kann auf der Anzeige „%1“ nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>pistework: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>pistework: keine Anzeige, auf der sich das Fenster öffnen kann (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt)</translation>
    </message>
    <message>
        <source>A replay to watch; Esc returns to the game.</source>
        <translation>Eine Wiederholung zum Ansehen; Esc kehrt zum Spiel zurück.</translation>
    </message>
    <message>
        <source>Host a network bout, on PORT if one follows (%1 if not).</source>
        <translation>Ein Netzwerkgefecht ausrichten, auf PORT, falls angegeben (sonst %1).</translation>
    </message>
    <message>
        <source>Join the network bout hosted at HOST.</source>
        <translation>Dem Netzwerkgefecht bei HOST beitreten.</translation>
    </message>
    <message>
        <source>The pairing code of six digits: the host&apos;s own, or the one it shows.</source>
        <translation>Der sechsstellige Kopplungscode: der eigene des Gastgebers oder der, den er anzeigt.</translation>
    </message>
    <message>
        <source>--code takes the six digits of the pairing code, as 123456 or &quot;123 456&quot;</source>
        <translation>--code erwartet die sechs Ziffern des Kopplungscodes, etwa 123456 oder „123 456“</translation>
    </message>
    <message>
        <source>--host takes a port from 1 to 65535</source>
        <translation>--host erwartet einen Port von 1 bis 65535</translation>
    </message>
    <message>
        <source>--host, --join and --watch cannot be given together</source>
        <translation>--host, --join und --watch können nicht zusammen angegeben werden</translation>
    </message>
    <message>
        <source>%1 needs the host&apos;s --code</source>
        <translation>%1 braucht den --code des Gastgebers</translation>
    </message>
    <message>
        <source>%1 takes HOST or HOST:PORT</source>
        <translation>%1 nimmt HOST oder HOST:PORT</translation>
    </message>
    <message>
        <source>Watch the network bout hosted at HOST.</source>
        <translation>Dem Netzwerkgefecht bei HOST zuschauen.</translation>
    </message>
    <message>
        <source>Open the fencing school&apos;s lessons.</source>
        <translation>Die Lektionen der Fechtschule öffnen.</translation>
    </message>
    <message>
        <source>Print the fencing school&apos;s lessons, one a line, and end.</source>
        <translation>Die Lektionen der Fechtschule ausgeben, eine je Zeile, und beenden.</translation>
    </message>
</context>
<context>
    <name>pistework::app::MainWindow</name>
    <message>
        <source>Your settings could not be saved to
%1

The game length, control, keys and level chosen this time are lost; the settings saved before are kept as they were.</source>
        <translation>Ihre Einstellungen konnten nicht gespeichert werden in
%1

Die diesmal gewählte Gefechtslänge, Steuerung, Tasten und Stufe gehen verloren; die zuvor gespeicherten Einstellungen bleiben erhalten.</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Weitere Menüs</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Save Replay</source>
        <translation>Wiederholung speichern</translation>
    </message>
    <message>
        <source>Pistework replays (*.pistework)</source>
        <translation>Pistework-Wiederholungen (*.pistework)</translation>
    </message>
    <message>
        <source>Watch Replay</source>
        <translation>Wiederholung ansehen</translation>
    </message>
    <message>
        <source>It is larger than any replay.</source>
        <translation>Die Datei ist größer als jede Wiederholung.</translation>
    </message>
    <message>
        <source>It is not a Pistework replay.</source>
        <translation>Sie ist keine Pistework-Wiederholung.</translation>
    </message>
    <message>
        <source>It was saved by a newer Pistework.</source>
        <translation>Sie wurde von einem neueren Pistework gespeichert.</translation>
    </message>
    <message>
        <source>It was saved by a Pistework that fences by other rules.</source>
        <translation>Sie wurde von einem Pistework mit anderen Regeln gespeichert.</translation>
    </message>
    <message>
        <source>It ends too soon: it may not have been copied whole.</source>
        <translation>Sie endet zu früh: Vielleicht wurde sie nicht vollständig kopiert.</translation>
    </message>
    <message>
        <source>It is damaged.</source>
        <translation>Sie ist beschädigt.</translation>
    </message>
    <message>
        <source>The replay %1 could not be opened.</source>
        <translation>Die Wiederholung %1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The replay %1 cannot be shown.

%2</source>
        <translation>Die Wiederholung %1 kann nicht gezeigt werden.

%2</translation>
    </message>
    <message>
        <source>The replay could not be saved to
%1</source>
        <translation>Die Wiederholung konnte nicht gespeichert werden unter
%1</translation>
    </message>
    <message>
        <source>Network bouts cannot start here:
%1</source>
        <translation>Netzwerkgefechte können hier nicht starten:
%1</translation>
    </message>
    <message>
        <source>A player could not join: too many wrong codes were tried of late, so its code was not looked at.</source>
        <translation>Ein Spieler konnte nicht beitreten: In letzter Zeit wurden zu viele falsche Codes versucht, daher wurde sein Code nicht geprüft.</translation>
    </message>
    <message>
        <source>A player could not join. %1.</source>
        <translation>Ein Spieler konnte nicht beitreten. %1.</translation>
    </message>
    <message>
        <source>B.K.S. Pistework: watching a network bout at %1</source>
        <translation>B.K.S. Pistework: Zuschauer beim Netzwerkgefecht bei %1</translation>
    </message>
    <message>
        <source>Bout %1 %2-%3.pistework</source>
        <translation>Gefecht %1 %2-%3.pistework</translation>
    </message>
    <message>
        <source>Replay, paused</source>
        <translation>Wiederholung, angehalten</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>The lessons passed could not be saved.</source>
        <translation>Die bestandenen Lektionen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Fencing School</source>
        <translation>Fechtschule</translation>
    </message>
    <message>
        <source>Fencing</source>
        <translation>Fechten</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <translation>%1, angehalten</translation>
    </message>
    <message>
        <source>This replay cannot be taken over: it was saved by an earlier Pistework, which kept only its pictures, not the bout.</source>
        <translation>Diese Wiederholung kann nicht übernommen werden: Ein älteres Pistework hat sie gespeichert, das nur ihre Bilder behielt, nicht das Gefecht.</translation>
    </message>
    <message>
        <source>The bout is over at this moment: go back to where it is still fenced to take it over.</source>
        <translation>Das Gefecht ist in diesem Augenblick vorbei: Gehen Sie dorthin zurück, wo noch gefochten wird, um es zu übernehmen.</translation>
    </message>
    <message>
        <source>The network bout is not over. Leave it?</source>
        <translation>Das Netzwerkgefecht ist nicht vorbei. Möchten Sie es verlassen?</translation>
    </message>
    <message>
        <source>B.K.S. Pistework: you fence on the right against %1</source>
        <translation>B.K.S. Pistework: Sie fechten rechts gegen %1</translation>
    </message>
    <message>
        <source>B.K.S. Pistework: you fence on the left against %1</source>
        <translation>B.K.S. Pistework: Sie fechten links gegen %1</translation>
    </message>
    <message>
        <source>B.K.S. Pistework: you fence on the right against %1, round trip %2 ms</source>
        <translation>B.K.S. Pistework: Sie fechten rechts gegen %1, Umlaufzeit %2 ms</translation>
    </message>
    <message>
        <source>B.K.S. Pistework: you fence on the left against %1, round trip %2 ms</source>
        <translation>B.K.S. Pistework: Sie fechten links gegen %1, Umlaufzeit %2 ms</translation>
    </message>
    <message>
        <source>&amp;Leave</source>
        <translation>&amp;Verlassen</translation>
    </message>
    <message>
        <source>&amp;Fence On</source>
        <translation>&amp;Weiterfechten</translation>
    </message>
    <message>
        <source>This bout could not be kept in
%1

The disk may be full. Every bout kept before is still there.</source>
        <translation>Dieses Gefecht konnte nicht aufbewahrt werden in
%1

Die Festplatte ist vielleicht voll. Alle zuvor aufbewahrten Gefechte sind noch da.</translation>
    </message>
    <message>
        <source>This bout cannot be shown: its replay is damaged.</source>
        <translation>Dieses Gefecht kann nicht gezeigt werden: Seine Wiederholung ist beschädigt.</translation>
    </message>
</context>
<context>
    <name>pistework::dialogs::AboutDialog</name>
    <message>
        <source>Opens in your web browser</source>
        <translation>Öffnet sich im Webbrowser</translation>
    </message>
    <message>
        <source>About B.K.S.</source>
        <translation>Über B.K.S.</translation>
    </message>
    <message>
        <source>The Brackenmoor Fencing Association organises local fencing competitions and courses within the county of Brackenmoor.</source>
        <translation>Die Brackenmoor Fencing Association veranstaltet Fechtturniere und Kurse in der Grafschaft Brackenmoor.</translation>
    </message>
    <message>
        <source>It is responsible for the distribution of fencing information within the county and for liason between Valdmark and the clubs in the Area</source>
        <translation>Sie verbreitet Informationen rund ums Fechten in der Grafschaft und hält die Verbindung zwischen Valdmark und den Vereinen der Region.</translation>
    </message>
    <message>
        <source>For further information about fencing in Brackenmoor, visit our website at: </source>
        <translation>Mehr über das Fechten in Brackenmoor auf unserer Website: </translation>
    </message>
    <message>
        <source>For further information of clubs in your own area contact Valdmark on</source>
        <translation>Mehr über die Vereine in Ihrer eigenen Region erfahren Sie bei Valdmark unter</translation>
    </message>
    <message>
        <source>or your own national federation</source>
        <translation>oder Ihr nationaler Fechtverband.</translation>
    </message>
</context>
<context>
    <name>pistework::dialogs::BestResultsDialog</name>
    <message>
        <source>Best Results</source>
        <translation>Bestleistungen</translation>
    </message>
</context>
<context>
    <name>pistework::dialogs::BoutsDialog</name>
    <message>
        <source>custom level</source>
        <translation>eigene Stufe</translation>
    </message>
    <message>
        <source>two players</source>
        <translation>zwei Spieler</translation>
    </message>
    <message>
        <source>%1, on the network</source>
        <translation>%1, im Netzwerk</translation>
    </message>
    <message>
        <source>watched from %1</source>
        <translation>zugeschaut bei %1</translation>
    </message>
    <message>
        <source>both</source>
        <translation>beide</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>not finished</source>
        <translation>nicht beendet</translation>
    </message>
    <message>
        <source>drawn</source>
        <translation>unentschieden</translation>
    </message>
    <message>
        <source>won</source>
        <translation>gewonnen</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>verloren</translation>
    </message>
    <message>
        <source>left won</source>
        <translation>links gewinnt</translation>
    </message>
    <message>
        <source>right won</source>
        <translation>rechts gewinnt</translation>
    </message>
    <message>
        <source>Bouts</source>
        <translation>Gefechte</translation>
    </message>
    <message>
        <source>Bouts kept</source>
        <translation>Aufbewahrte Gefechte</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Against</source>
        <translation>Gegen</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Record against each level</source>
        <translation>Bilanz gegen jede Stufe</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Hits given</source>
        <translation>Treffer gesetzt</translation>
    </message>
    <message>
        <source>Hits taken</source>
        <translation>Treffer erhalten</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Ansehen</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Speichern…</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Löschen…</translation>
    </message>
    <message>
        <source>damaged file</source>
        <translation>beschädigte Datei</translation>
    </message>
    <message>
        <source>Bouts won so far (%)</source>
        <translation>Siege bisher (%)</translation>
    </message>
    <message>
        <source>The chart cannot be shown: its library, with Qt Charts, could not be loaded.</source>
        <translation>Das Diagramm kann nicht gezeigt werden: Seine Bibliothek mit Qt Charts konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>This bout is no longer kept, or its file is damaged.</source>
        <translation>Dieses Gefecht ist nicht mehr aufbewahrt, oder seine Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>Delete the bout that ended %1 for good?</source>
        <translation>Das am %1 beendete Gefecht endgültig löschen?</translation>
    </message>
    <message>
        <source>Delete this damaged file for good?</source>
        <translation>Diese beschädigte Datei endgültig löschen?</translation>
    </message>
    <message>
        <source>Delete Bout</source>
        <translation>Gefecht löschen</translation>
    </message>
    <message>
        <source>The bout could not be deleted.</source>
        <translation>Das Gefecht konnte nicht gelöscht werden.</translation>
    </message>
</context>
<context>
    <name>pistework::dialogs::CustomLevelDialog</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Reaction Time</source>
        <translation>Reaktionszeit</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>pistework::dialogs::HandbookDialog</name>
    <message>
        <source>Handbook</source>
        <translation>Handbuch</translation>
    </message>
</context>
<context>
    <name>pistework::dialogs::HelpDialog</name>
    <message>
        <source>Help &amp; Hints</source>
        <translation>Hilfe und Tipps</translation>
    </message>
    <message>
        <source>The fencing bout is &quot;first-to-five&quot;, &quot;first-to-ten&quot; or &quot;first-to-fifteen&quot; hits.</source>
        <translation>Das Gefecht geht auf fünf, zehn oder fünfzehn Treffer.</translation>
    </message>
    <message>
        <source>To hit your opponent, advance to within distance, then extend the fencing arm before lunging. You must return to engarde and re-extend to lunge again.</source>
        <translation>Um zu treffen, gehen Sie auf Distanz vor und strecken den Arm, bevor Sie ausfallen. Für einen neuen Ausfall zurück in die Fechtstellung und erneut strecken.</translation>
    </message>
    <message>
        <source>A Flèche is a running attack, best used from a distance.  The arm must first be extended to flèche.Do not use it too frequently as you are penalised ground with each flèche. If you accidentally run into your </source>
        <translation>Die Flèche ist ein Sturzangriff, am besten aus der Distanz. Der Arm muss zuerst gestreckt sein. Setzen Sie sie nicht zu oft ein: Jede Flèche kostet Sie Boden. Wenn Sie Ihren Gegner versehentlich anrempeln, erhalten Sie </translation>
    </message>
    <message>
        <source>opponent you will receive a warning and your opponent will be awarded a hit for each subsequent offence.</source>
        <translation>eine Verwarnung, danach für jeden weiteren Verstoß erhält der Gegner einen Treffer.</translation>
    </message>
    <message>
        <source>Parry to make an opponent&apos;s attack ineffective. If you beat your opponent&apos;s blade, he will temporarily be unable to respond.</source>
        <translation>Die Parade macht den gegnerischen Angriff unwirksam. Schlagen Sie die Klinge, kann der Gegner kurz nicht antworten.</translation>
    </message>
    <message>
        <source>Hits must be placed on the lamé to be effective. Hits on the arm are off-target, and are not counted.</source>
        <translation>Treffer zählen nur auf der Weste. Treffer am Arm sind ungültig.</translation>
    </message>
    <message>
        <source>Good Luck.</source>
        <translation>Viel Glück.</translation>
    </message>
</context>
<context>
    <name>pistework::dialogs::HostDialog</name>
    <message>
        <source>Host Network Bout</source>
        <translation>Netzwerkgefecht ausrichten</translation>
    </message>
    <message>
        <source>This machine cannot take a guest on port %1:
%2</source>
        <translation>Dieser Rechner kann auf Port %1 keinen Gast annehmen:
%2</translation>
    </message>
    <message>
        <source>Waiting for your opponent. Tell them one of these addresses, the port and the code:</source>
        <translation>Warten auf Ihren Gegner. Nennen Sie ihm eine dieser Adressen, den Port und den Code:</translation>
    </message>
    <message>
        <source>Addresses:</source>
        <translation>Adressen:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Code:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Asking your router to open the port to the internet…</source>
        <translation>Ihr Router wird gebeten, den Port zum Internet zu öffnen…</translation>
    </message>
    <message>
        <source>Friends join at %1, code %2</source>
        <translation>Freunde treten bei unter %1, Code %2</translation>
    </message>
    <message>
        <source>%1, code %2</source>
        <translation>%1, Code %2</translation>
    </message>
    <message>
        <source>No router on this network answered.</source>
        <translation>Kein Router in diesem Netz hat geantwortet.</translation>
    </message>
    <message>
        <source>Your router refused to open the port.</source>
        <translation>Ihr Router hat es abgelehnt, den Port zu öffnen.</translation>
    </message>
    <message>
        <source>Your router holds that port for another machine.</source>
        <translation>Ihr Router hält diesen Port für einen anderen Rechner.</translation>
    </message>
    <message>
        <source>Your router opened the port, but it is itself behind another router, your provider&apos;s perhaps.</source>
        <translation>Ihr Router hat den Port geöffnet, steht aber selbst hinter einem anderen Router, vielleicht dem Ihres Anbieters.</translation>
    </message>
    <message>
        <source>Your router&apos;s answer could not be read.</source>
        <translation>Die Antwort Ihres Routers war nicht lesbar.</translation>
    </message>
    <message>
        <source>Your router stopped keeping the port open.</source>
        <translation>Ihr Router hält den Port nicht mehr offen.</translation>
    </message>
    <message>
        <source>The router could not be asked.</source>
        <translation>Der Router konnte nicht gefragt werden.</translation>
    </message>
    <message>
        <source>%1 Friends on the internet cannot join yet: see “Playing over the internet” in the README to open the port by hand.</source>
        <translation>%1 Freunde im Internet können noch nicht beitreten: Wie Sie den Port von Hand öffnen, steht im README unter „Playing over the internet“.</translation>
    </message>
</context>
<context>
    <name>pistework::dialogs::JoinDialog</name>
    <message>
        <source>Join Network Bout</source>
        <translation>Netzwerkgefecht beitreten</translation>
    </message>
    <message>
        <source>Ask your opponent, who hosts the bout, for these:</source>
        <translation>Fragen Sie Ihren Gegner, der das Gefecht ausrichtet, nach diesen Angaben:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Code:</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Beitreten</translation>
    </message>
    <message>
        <source>That is not an address a host can have.</source>
        <translation>Das ist keine gültige Adresse eines Gastgebers.</translation>
    </message>
    <message>
        <source>The code is the six digits the host shows.</source>
        <translation>Der Code sind die sechs Ziffern, die der Gastgeber anzeigt.</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Verbinde mit %1 …</translation>
    </message>
    <message>
        <source>Connected; waiting for the host…</source>
        <translation>Verbunden; warte auf den Gastgeber …</translation>
    </message>
    <message>
        <source>Could not connect: %1</source>
        <translation>Keine Verbindung möglich: %1</translation>
    </message>
    <message>
        <source>Watch Network Bout</source>
        <translation>Netzwerkgefecht zuschauen</translation>
    </message>
    <message>
        <source>Ask the player who hosts the bout for these:</source>
        <translation>Fragen Sie den Spieler, der das Gefecht ausrichtet, danach:</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Zuschauen</translation>
    </message>
</context>
<context>
    <name>pistework::dialogs::KeysDialog</name>
    <message>
        <source>Keyboard Layout</source>
        <translation>Tastenbelegung</translation>
    </message>
    <message>
        <source>Left %1 key</source>
        <translation>Taste %1 links</translation>
    </message>
    <message>
        <source>Right %1 key</source>
        <translation>Taste %1 rechts</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>%1 keys %2</source>
        <translation>%1, Tasten %2</translation>
    </message>
</context>
<context>
    <name>pistework::dialogs::SchoolDialog</name>
    <message>
        <source>Fencing School</source>
        <translation>Fechtschule</translation>
    </message>
    <message>
        <source>Each lesson runs on the piste against a fencer held to a script. Pass one and the next opens.</source>
        <translation>Jede Lektion wird auf der Planche gegen einen Fechter gefochten, der einem Plan folgt. Bestehen Sie eine, und die nächste öffnet sich.</translation>
    </message>
    <message>
        <source>Lessons</source>
        <translation>Lektionen</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>bestanden</translation>
    </message>
    <message>
        <source>not yet passed</source>
        <translation>noch nicht bestanden</translation>
    </message>
    <message>
        <source>opens when the one before is passed</source>
        <translation>öffnet sich, wenn die vorige bestanden ist</translation>
    </message>
    <message>
        <source>%1. %2 (%3)
%4</source>
        <translation>%1. %2 (%3)
%4</translation>
    </message>
    <message>
        <source>&amp;Begin</source>
        <translation>&amp;Beginnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>pistework::dialogs::VictoryDialog</name>
    <message>
        <source>Victory</source>
        <translation>Sieg</translation>
    </message>
    <message>
        <source>You have the best result at</source>
        <translation>Bestleistung auf der</translation>
    </message>
    <message>
        <source>Novice level</source>
        <translation>Stufe Anfänger</translation>
    </message>
    <message>
        <source>Please enter your name.</source>
        <translation>Bitte Namen eingeben.</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Your best result could not be saved. The settings file may be read-only.</source>
        <translation>Ihre Bestleistung konnte nicht gespeichert werden. Die Einstellungsdatei ist vielleicht schreibgeschützt.</translation>
    </message>
</context>
</TS>
