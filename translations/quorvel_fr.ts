<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>By the Quorvel team</source>
        <translation>Par l’équipe Quorvel</translation>
    </message>
    <message>
        <source>Made with Qt</source>
        <translation>Réalisé avec Qt</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>À propos de Quorvel</translation>
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
        <translation>Sauté</translation>
    </message>
    <message>
        <source>Win</source>
        <extracomment>the badge&apos;s lettering has 47 pixels</extracomment>
        <translation>Gain</translation>
    </message>
    <message>
        <source>lose</source>
        <extracomment>the badge&apos;s lettering has 50 pixels</extracomment>
        <translation>Perdu</translation>
    </message>
    <message>
        <source>Natural</source>
        <extracomment>a two-card 21; the badge&apos;s lettering has 106 pixels</extracomment>
        <translation>Blackjack</translation>
    </message>
    <message>
        <source>Push</source>
        <extracomment>equal totals; the badge&apos;s lettering has 58 pixels</extracomment>
        <translation>Égal</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>Deal</source>
        <extracomment>a 95 x 25 button: about 85 pixels of the desktop&apos;s button font</extracomment>
        <translation>Distribuer</translation>
    </message>
    <message>
        <source>Hit</source>
        <extracomment>a 95 x 25 button: about 85 pixels of the desktop&apos;s button font</extracomment>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Stand</source>
        <extracomment>a 95 x 25 button: about 85 pixels of the desktop&apos;s button font</extracomment>
        <translation>Rester</translation>
    </message>
    <message>
        <source>Split</source>
        <extracomment>a 95 x 25 button: about 85 pixels of the desktop&apos;s button font</extracomment>
        <translation>Séparer</translation>
    </message>
    <message>
        <source>Double</source>
        <extracomment>a 95 x 25 button: about 85 pixels of the desktop&apos;s button font</extracomment>
        <translation>Doubler</translation>
    </message>
    <message>
        <source>Bet One</source>
        <extracomment>a 70 x 18 button that adds 1 to the bet: about 60 pixels of the desktop&apos;s button font</extracomment>
        <translation>Miser 1</translation>
    </message>
    <message>
        <source>Bet Five</source>
        <extracomment>a 70 x 18 button that adds 5 to the bet: about 60 pixels</extracomment>
        <translation>Miser 5</translation>
    </message>
    <message>
        <source>Bet Ten</source>
        <extracomment>a 70 x 18 button that adds 10 to the bet: about 60 pixels</extracomment>
        <translation>Miser 10</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>a 70 x 18 button that sets the bet back to 5: about 60 pixels</extracomment>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dix</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>valet</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>roi</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>an unknown card</source>
        <translation>une carte inconnue</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>a card&apos;s name: %1 its rank (&quot;ten&quot;), %2 its suit (&quot;hearts&quot;)</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>a face-down card</source>
        <extracomment>the dealer&apos;s hole card before it is turned</extracomment>
        <translation>une carte face cachée</translation>
    </message>
    <message>
        <source>no cards</source>
        <extracomment>a hand that holds no cards: &quot;Dealers Hand: no cards.&quot;</extracomment>
        <translation>aucune carte</translation>
    </message>
    <message>
        <source>%1 gets %2</source>
        <extracomment>%1 a hand&apos;s name (&quot;Players Hand&quot;), %2 the cards dealt to it (&quot;king of clubs, two of hearts&quot;)</extracomment>
        <translation>%1 reçoit %2</translation>
    </message>
    <message>
        <source>Card table</source>
        <extracomment>the name of the table picture, as the screen reader says it</extracomment>
        <translation>Table de jeu</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Dealers Hand</source>
        <extracomment>above the dealer&apos;s cards, in the table&apos;s 11-pixel font; up to the table&apos;s right edge</extracomment>
        <translation>Main du croupier</translation>
    </message>
    <message>
        <source>Players Hand</source>
        <extracomment>above the player&apos;s cards; ends before the split hand&apos;s label: at most 285 pixels</extracomment>
        <translation>Main du joueur</translation>
    </message>
    <message>
        <source>Split Hand</source>
        <extracomment>above the second hand after a split; up to 290 pixels</extracomment>
        <translation>Seconde main</translation>
    </message>
    <message>
        <source>Dealers Count</source>
        <extracomment>count panel, before the dealer&apos;s total: at most 106 pixels</extracomment>
        <translation>Total croupier</translation>
    </message>
    <message>
        <source>Players Count</source>
        <extracomment>count panel, before the player&apos;s total: at most 106 pixels</extracomment>
        <translation>Total joueur</translation>
    </message>
    <message>
        <source>Split Count</source>
        <extracomment>count panel, before the split hand&apos;s total: at most 106 pixels</extracomment>
        <translation>Total 2e main</translation>
    </message>
    <message>
        <source>Current Bet</source>
        <extracomment>before the stake&apos;s figure: at most 80 pixels</extracomment>
        <translation>Mise actuelle</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>in the gap of the Money box&apos;s frame: at most 46 pixels</extracomment>
        <translation>Argent</translation>
    </message>
</context>
</TS>
