#include "ui/HelpWindow.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "ui/WindowFit.h"

namespace solo::ui {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setWindowTitle("Solo Whist - Help and Rules");
  QFont serif("Times New Roman");
  serif.setStyleHint(QFont::Serif);
  serif.setPointSize(12);
  setFont(serif);

  text1_ = new QTextEdit(this);
  text1_->setObjectName("Text1");
  text1_->setFont(serif);
  text1_->setHtml(RulesText());
  auto* close = new QPushButton("&Close", this);
  close->setObjectName("btnClose");
  connect(close, &QPushButton::clicked, this, &QWidget::hide);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text1_);
  layout->addLayout(buttons);
  resize(WithinScreen(this, {620, 640}));
}

QString HelpWindow::RulesText() {
  return R"(
<h2>Solo Whist</h2>
<p>Solo whist is a game for four players with an ordinary pack of 52 cards. There are no fixed
partnerships: in each hand one player, the <b>declarer</b>, makes a bid and plays alone against the
other three, who join forces to stop him. You sit South; West, North and East are played by the
computer.</p>

<h3>The deal</h3>
<p>The deal moves one seat to the left every hand. Each player receives thirteen cards: four
packets of three and then a single card, all drawn at random from the pack.</p>

<h3>Trumps</h3>
<p>Before anyone bids, the trump suit is set by the dealer's seat:</p>
<ul>
<li>South (you) deals: <b>Hearts</b></li>
<li>West deals: <b>Diamonds</b></li>
<li>North deals: <b>Clubs</b></li>
<li>East deals: <b>Spades</b></li>
</ul>
<p>The trump suit is shown at the lower left of the table. Some bids change it, as below.</p>

<h3>The bids</h3>
<p>Bidding starts with the player after the dealer and goes once round the table. Each player
passes or makes a bid higher than any made before. From lowest to highest:</p>
<table border="1" cellpadding="4" cellspacing="0">
<tr><th>Bid</th><th>The declarer must</th><th>Trumps</th><th>Units</th></tr>
<tr><td>Solo</td><td>win at least 5 tricks</td><td>as dealt</td><td>1</td></tr>
<tr><td>Misere</td><td>win no trick at all</td><td>none</td><td>2</td></tr>
<tr><td>Abundance Open</td><td>win at least 9 tricks</td><td>the declarer names them</td><td>3</td></tr>
<tr><td>Abundance Trumps</td><td>win at least 9 tricks</td><td>as dealt</td><td>3</td></tr>
<tr><td>Misere Open (overte)</td><td>win no trick at all</td><td>none</td><td>4</td></tr>
<tr><td>Abundance Declared</td><td>win all 13 tricks</td><td>none</td><td>6</td></tr>
</table>
<p>A bid equal to one already made does not beat it. Only you can bid Abundance Open or Misere
Open; at most one of the computer players bids (Classic players value their hands with a point
count, Expert ones by trying the hand against many layouts of the cards they cannot see).</p>

<h3>Play</h3>
<p>The player after the dealer leads to the first trick. Everyone must follow the suit led if he
can; otherwise he may play any card, a trump or a discard. The highest trump wins the trick, or,
if no trump was played, the highest card of the suit led. The winner leads to the next trick.</p>

<h3>Settlement</h3>
<p>The hand ends as soon as the result is certain: a Solo is made with its fifth trick, a Misere
is lost with the declarer's first trick. A declarer who makes his bid receives its units from each
of the other three players; one who fails pays each of them. The running points are shown at the
lower right and saved after every hand.</p>

<h3>When everybody passes</h3>
<p>If all four players pass, the hand is thrown in and the next one is dealt <b>without a
shuffle</b>: the pack is cut and dealt in packets of five, five and three, so the hands come in
long runs of one suit.</p>

<h3>The Standard rules</h3>
<p>Options, Rules, Standard plays solo whist as it is most often played at home and in clubs,
from the next hand on (the status bar says which rules are in play). The dealer's last card is
turned up and its suit is trumps; it stays face up in the dealer's hand until the first trick is
over, laid last in a computer player's hand so that it shows whole, and your bid panel names it.
From the dealer's left each player in turn bids higher than the bid standing or passes,
round and round until the last bid has been passed by the others. A player who passes is out,
except that the player on the dealer's left may still accept a Proposal while nothing else has
been bid. A Proposal nobody accepts goes back to the proposer, who raises it to Solo or higher or
drops it. If everybody passes, the next dealer deals a new hand.</p>
<p>The bids, lowest first: <b>Proposal and Acceptance</b> (two partners, wherever they sit, take
eight tricks together in the turned-up trumps; each partner wins or pays 1 unit), <b>Solo</b>
(five tricks, 1 unit), <b>Misere</b> (no trick, no trumps, 2), <b>Abundance</b> (nine tricks,
trumps named by the declarer, 3), <b>Royal Abundance</b> (nine tricks in the turned-up trumps,
beats Abundance, 3), <b>Misere Ouverte</b> (no trick, no trumps, the declarer's hand laid face up
after the first trick, 4) and <b>Abundance Declared</b> (all thirteen tricks, no trumps, the
declarer leads, 6). Otherwise the player on the dealer's left leads. On your panel only the calls
you may make now are enabled.</p>

<h3>Playing this game</h3>
<ul>
<li><b>Your bid.</b> When the bidding reaches you, a panel opens. Choose a bid with the round
buttons (or the arrow keys) and press the bid button on the right (or Enter). A bid that does not
beat one already made is refused and you may choose again. For Abundance Open you then pick the
trump suit.</li>
<li><b>Your card.</b> When the status bar asks for your card, click it. With the keyboard, the Left
and Right keys pick a card and Enter or Space plays it. A card of another suit is refused while you
can follow suit.</li>
<li><b>At the table.</b> The name of the seat that is to bid or play is lit in gold. While you
choose a card, the cards you may not play are dimmed. A panel at the lower left shows the
contract, its target, the trumps and the tricks taken. Hold L, or click the latest trick pile,
to see the last trick again; H gives a hint: what the computer players would do in your place
(with Expert opponents, what an Expert would do, and how often that worked in the layouts of
the hidden cards it imagined).</li>
<li><b>A slip of the mouse.</b> Take Back (Ctrl+Z) takes back your last card while its trick is
not yet complete, or your bid while the bidding goes on; the computer players then do as they
did before. Such hands are marked in the history, and the statistics can leave them out.</li>
<li><b>The rest is yours.</b> Claim the Rest claims all the remaining tricks for your side (in a
Misere, that you will take none). The game checks the claim against every defence; if it holds,
the rest is played out quickly, your side's cards as the claim needs them, and if not it tells
you so and you play on.</li>
<li><b>An unfinished hand</b> is kept after every card and bid: if the game was closed in the
middle of a hand, or the computer stopped, the next start asks whether to resume it, and the
table comes back as it was.</li>
<li><b>Menus.</b> Game: New Game (F2), Exit Game (Ctrl+X), Hint (H), Take Back (Ctrl+Z), Claim
the Rest, Show Last Trick and Statistics (your running points over the hands, and every seat's
contracts bid, made and failed). History: Past Hands, to see a past hand again trick by trick
(and where it was lost), and Export, to save hands as text. Help and Rules (F1) opens this page.
Options: Enter Names, to name yourself and the three computer players; Erase Points, to start
the points again from zero; Speed, from Slow to Very fast; Opponents, Classic (the usual
computer players) or Expert (stronger players that think about the cards they cannot see);
Rules, Classic or Standard (opponents and rules chosen during a hand take their places at the next one); Show playable cards; Sound; Next hand without asking (the result is shown on the table and the
next hand follows by itself); and Play a forced card by itself. About shows the version.</li>
<li><b>Your names and points</b> are kept in two small files, Names2.dat and Points.dat, and every
hand in History.sqlite beside them. When the
game is installed (from its package, in /usr/games) they are in your personal data folder, on
Linux ~/.local/share/Solo Whist; when it runs from a folder of its own that it may write to (a
build folder), they are kept there.</li>
</ul>
)";
}

}  // namespace solo::ui
