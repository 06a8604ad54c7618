<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>By the Quorvel team</source>
        <translation>Vom Quorvel-Team</translation>
    </message>
    <message>
        <source>Made with Qt</source>
        <translation>Erstellt mit Qt</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>Über Quorvel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Badge</name>
    <message>
        <source>Bust</source>
        <extracomment>over 21; the badge&apos;s lettering (16-pixel bold) has 53 pixels</extracomment>
        <translation>Über</translation>
    </message>
    <message>
        <source>Win</source>
        <extracomment>the badge&apos;s lettering has 47 pixels</extracomment>
        <translation>Sieg</translation>
    </message>
    <message>
        <source>lose</source>
        <extracomment>the badge&apos;s lettering has 50 pixels</extracomment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Natural</source>
        <extracomment>a two-card 21; the badge&apos;s lettering has 106 pixels</extracomment>
        <translation>Black Jack</translation>
    </message>
    <message>
        <source>Push</source>
        <extracomment>equal totals; the badge&apos;s lettering has 58 pixels</extracomment>
        <translation>Remis</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>Deal</source>
        <extracomment>a 95 x 25 button: about 85 pixels of the desktop&apos;s button font</extracomment>
        <translation>Geben</translation>
    </message>
    <message>
        <source>Hit</source>
        <extracomment>a 95 x 25 button: about 85 pixels of the desktop&apos;s button font</extracomment>
        <translation>Ziehen</translation>
    </message>
    <message>
        <source>Stand</source>
        <extracomment>a 95 x 25 button: about 85 pixels of the desktop&apos;s button font</extracomment>
        <translation>Stehen</translation>
    </message>
    <message>
        <source>Split</source>
        <extracomment>a 95 x 25 button: about 85 pixels of the desktop&apos;s button font</extracomment>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Double</source>
        <extracomment>a 95 x 25 button: about 85 pixels of the desktop&apos;s button font</extracomment>
        <translation>Verdoppeln</translation>
    </message>
    <message>
        <source>Bet One</source>
        <extracomment>a 70 x 18 button that adds 1 to the bet: about 60 pixels of the desktop&apos;s button font</extracomment>
        <translation>1 setzen</translation>
    </message>
    <message>
        <source>Bet Five</source>
        <extracomment>a 70 x 18 button that adds 5 to the bet: about 60 pixels</extracomment>
        <translation>5 setzen</translation>
    </message>
    <message>
        <source>Bet Ten</source>
        <extracomment>a 70 x 18 button that adds 10 to the bet: about 60 pixels</extracomment>
        <translation>10 setzen</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>a 70 x 18 button that sets the bet back to 5: about 60 pixels</extracomment>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>König</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>an unknown card</source>
        <translation>eine unbekannte Karte</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>a card&apos;s name: %1 its rank (&quot;ten&quot;), %2 its suit (&quot;hearts&quot;)</extracomment>
        <translation>%2-%1</translation>
    </message>
    <message>
        <source>a face-down card</source>
        <extracomment>the dealer&apos;s hole card before it is turned</extracomment>
        <translation>eine verdeckte Karte</translation>
    </message>
    <message>
        <source>no cards</source>
        <extracomment>a hand that holds no cards: &quot;Dealers Hand: no cards.&quot;</extracomment>
        <translation>keine Karten</translation>
    </message>
    <message>
        <source>%1 gets %2</source>
        <extracomment>%1 a hand&apos;s name (&quot;Players Hand&quot;), %2 the cards dealt to it (&quot;king of clubs, two of hearts&quot;)</extracomment>
        <translation>%1 erhält %2</translation>
    </message>
    <message>
        <source>Card table</source>
        <extracomment>the name of the table picture, as the screen reader says it</extracomment>
        <translation>Kartentisch</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Dealers Hand</source>
        <extracomment>above the dealer&apos;s cards, in the table&apos;s 11-pixel font; up to the table&apos;s right edge</extracomment>
        <translation>Hand des Gebers</translation>
    </message>
    <message>
        <source>Players Hand</source>
        <extracomment>above the player&apos;s cards; ends before the split hand&apos;s label: at most 285 pixels</extracomment>
        <translation>Hand des Spielers</translation>
    </message>
    <message>
        <source>Split Hand</source>
        <extracomment>above the second hand after a split; up to 290 pixels</extracomment>
        <translation>Zweite Hand</translation>
    </message>
    <message>
        <source>Dealers Count</source>
        <extracomment>count panel, before the dealer&apos;s total: at most 106 pixels</extracomment>
        <translation>Punkte Geber</translation>
    </message>
    <message>
        <source>Players Count</source>
        <extracomment>count panel, before the player&apos;s total: at most 106 pixels</extracomment>
        <translation>Punkte Spieler</translation>
    </message>
    <message>
        <source>Split Count</source>
        <extracomment>count panel, before the split hand&apos;s total: at most 106 pixels</extracomment>
        <translation>Punkte 2. Hand</translation>
    </message>
    <message>
        <source>Current Bet</source>
        <extracomment>before the stake&apos;s figure: at most 80 pixels</extracomment>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>in the gap of the Money box&apos;s frame: at most 46 pixels</extracomment>
        <translation>Geld</translation>
    </message>
</context>
</TS>
