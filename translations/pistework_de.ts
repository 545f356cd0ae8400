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
        <translation>Viertelfinale</translation>
    </message>
    <message>
        <source>Semi-Finalist</source>
        <translation>Halbfinale</translation>
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
        <translation>Vereine in Ihrer Nähe nennt Ihnen Valdmark unter</translation>
    </message>
    <message>
        <source>or your own national federation</source>
        <translation>oder Ihr nationaler Fechtverband</translation>
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
        <translation>Die Flèche ist ein Sturzangriff, am besten aus der Distanz. Der Arm muss zuerst gestreckt sein. Nicht zu oft einsetzen: Jede Flèche kostet Boden. Wenn Sie versehentlich Ihren </translation>
    </message>
    <message>
        <source>opponent you will receive a warning and your opponent will be awarded a hit for each subsequent offence.</source>
        <translation>Gegner anrempeln, gibt es eine Verwarnung, danach für jeden weiteren Verstoß einen Treffer für den Gegner.</translation>
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
