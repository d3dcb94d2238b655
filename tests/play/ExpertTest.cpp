// The Expert player and the layouts it imagines, in real play.
#include <algorithm>
#include <bit>
#include <functional>
#include <random>
#include <gtest/gtest.h>

#include "GameFixture.h"
#include "SimFixture.h"
#include "bidding/BidEvaluation.h"
#include "bidding/BidLadder.h"
#include "bidding/StandardBidding.h"
#include "play/CardQueries.h"
#include "play/ExpertPlayer.h"
#include "play/PlayOut.h"
#include "play/Strategy.h"
#include "play/Sampler.h"
#include "sim/SimGame.h"
#include "TestCards.h"
#include "bidding/Settlement.h"

namespace solo {
namespace {

// Plays as an Expert seat, checking every layout it could imagine and every card it chooses.
struct CheckedExpert : ExpertPlayer {
  using ExpertPlayer::ExpertPlayer;
  std::mt19937_64 random{99};
  int layouts = 0, cards = 0, goulashCards = 0;
  // Bidding by the point count keeps most hands played rather than thrown in.
  ComputerPlayer classic;
  int OfferBid(Game& g, int seat) override { return classic.OfferBid(g, seat); }
  int Bid(Game& g, int seat) override { return classic.Bid(g, seat); }

  int Card(Game& g, int seat, int position, bool playToLose) override {
    const GameState& s = g.s;
    constexpr std::uint64_t kPack = (std::uint64_t{1} << kCards) - 1;
    for (int i = 0; i < 5; ++i) {
      std::array<std::uint64_t, 4> hands{};
      EXPECT_TRUE(SampleLayout(s, seat, random, hands));
      std::uint64_t all = 0;
      for (int other = 0; other < kSeats; ++other) {
        EXPECT_EQ(CountCards(hands[other]), CountCards(s.Hand[other])) << "as many cards as it holds";
        EXPECT_EQ(hands[other] & s.PlayedCards, 0u) << "no card already played";
        EXPECT_EQ(all & hands[other], 0u) << "no card twice";
        for (int suit = 0; suit < 4; ++suit)
          if (s.Voids[other] >> suit & 1) {
            EXPECT_EQ(hands[other] & SuitMask(kDiamonds + suit), 0u) << "a void suit stays void";
            EXPECT_EQ(s.Hand[other] & SuitMask(kDiamonds + suit), 0u) << "a recorded void is true";
          }
        all |= hands[other];
      }
      EXPECT_EQ(hands[seat], s.Hand[seat]);
      EXPECT_EQ(all, kPack & ~s.PlayedCards) << "every unplayed card somewhere";
      ++layouts;
    }
    // On a goulash the seat's own hand tells the others': the hands as they are must be among
    // the one or two ways it allows; a shuffled deal tells nothing.
    const std::vector<KnownLayout> known = GoulashLayouts(s, seat);
    EXPECT_EQ(known.empty(), !s.goulash);
    EXPECT_LE(known.size(), 2u);
    goulashCards += s.goulash;
    EXPECT_TRUE(!s.goulash || std::any_of(known.begin(), known.end(), [&](const KnownLayout& k) {
      return k.hands == std::array<std::uint64_t, 4>{s.Hand[0], s.Hand[1], s.Hand[2], s.Hand[3]};
    }));
    const int card = ExpertPlayer::Card(g, seat, position, playToLose);
    EXPECT_TRUE(LegalCards(s, seat, position) & CardBit(card)) << "the Expert plays by the rules";
    ++cards;
    return card;
  }
};

TEST(Expert, FourExpertsPlayLegalCardsFromLayoutsThatKeepToWhatTheyKnow) {
  const auto dir = test::FreshFolder();
  SimGame sim(dir.string(), 5);
  std::vector<std::unique_ptr<CheckedExpert>> experts;
  for (int seat = 0; seat < kSeats; ++seat) {
    experts.push_back(std::make_unique<CheckedExpert>(seat + 1, 2));
    experts.back()->SetTimeBudget(0);
    sim.g.players[seat] = experts.back().get();
  }
  sim.g.s.KeepVoids = true;
  test::PlayHands(sim, 40);
  int cards = 0, goulashCards = 0;
  for (const auto& e : experts) cards += e->cards, goulashCards += e->goulashCards;
  EXPECT_GT(cards, 1000);
  EXPECT_GT(goulashCards, 50);

  // South's bids and trumps by estimate. Every other card goes round the other seats in order.
  struct Case {
    const char* what;
    std::initializer_list<std::string_view> south;
    int bid;     // the Expert's bid (-1: not checked)
    int trumps;  // a suit the Expert must not name for an Abundance Open (0: not checked)
  };
  const Case cases[] = {
      // The top four of three suits and the Ace of the fourth take every trick whoever leads.
      {"every trick", {"JD", "QD", "KD", "AD", "JH", "QH", "KH", "AH", "JS", "QS", "KS", "AS", "AC"}, kAbundanceDeclared, 0},
      // Four small Diamonds are a longest suit (with Hearts and Spades), but the tricks are in
      // the top Hearts and Spades.
      {"trumps by tricks", {"JH", "QH", "KH", "AH", "JS", "QS", "KS", "AS", "AC", "2D", "3D", "4D", "5D"}, -1, kDiamonds},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::TestGame tg;
    Game& g = tg.g;
    StartGame(g);
    GatherAllCards(g.s);
    test::Give(g.s, kSouth, c.south);
    ASSERT_EQ(CountCards(g.s.Hand[kSouth]), 13);
    int next = 1;
    for (int seat = kWest; seat <= kEast; ++seat)
      for (int n = 0; n < 13; ++next)
        if (g.s.Pack[next].Owner == kOwnerNone) SetOwner(g.s, next, seat), ++n;
    g.s.dealer = kEast;
    g.s.leader = kSouth;
    g.s.trumps = kClubs;
    ExpertPlayer expert(7, 6);
    expert.SetTimeBudget(0);
    if (c.bid >= 0) {
      EXPECT_EQ(expert.OfferBid(g, kSouth), c.bid);
    }
    if (c.trumps) {
      EXPECT_EQ(ComputerPlayer().Trumps(g, kSouth), c.trumps) << "the Classic choice is the longest suit";
      const ExpertChoice choice = expert.SearchTrumps(g.s, kSouth);
      // Only a suit that makes nine tricks in more layouts than the longest one can take its place.
      EXPECT_NE(choice.choice, c.trumps);
      EXPECT_NE(expert.Trumps(g, kSouth), c.trumps) << "and so does the seat player";
    }
  }

  // Constraints no layout can meet are reported, not looped on for ever.
  GameState s;
  BuildPack(s);
  for (int card = 1; card <= kCards; ++card) SetOwner(s, card, (card - 1) % 4);
  s.Voids[kWest] = 0xF;  // West holds cards, yet is void in every suit
  std::array<std::uint64_t, 4> layout{};
  std::mt19937_64 random(1);
  EXPECT_FALSE(SampleLayout(s, kSouth, random, layout));
  std::filesystem::remove_all(dir);
}


// Two tricks left of West's Solo (3 taken, 5 needed), South to lead with the Ace of Diamonds
// and the Two of Spades, every other seat's cards known from the voids it has shown: cashing
// the Ace beats the Solo, the Two lets West take both tricks. Whatever the layout.
GameState LastTwoTricks(int westTricks, std::initializer_list<std::string_view> south = {"AD", "2S"}) {
  GameState s = test::FreshState();
  for (int card = 1; card <= kCards; ++card) PlayCardStep(s, card);
  const auto hold = [&](int seat, std::initializer_list<std::string_view> cards) {
    for (std::string_view c : cards) {
      SetPlayed(s, test::Card(c), false);
      SetOwner(s, test::Card(c), seat);
    }
  };
  hold(kSouth, south);
  hold(kWest, {"AS", "KS"});
  hold(kNorth, {"QC", "JC"});
  hold(kEast, {"QD", "JD"});
  s.KeepVoids = true;
  s.Voids = {0, 0x7, 0xD, 0xE};  // West only Spades, North only Clubs, East only Diamonds
  s.trumps = kHearts;
  s.declarer = kWest;
  s.bidSolo[kWest] = true;
  s.tricksWon = {7 - westTricks, westTricks, 2, 2};
  s.tricksPlayed = 11;
  s.leader = kSouth;
  for (Play& play : s.trick) play = {0, 0};
  return s;
}

// The Expert plays for its own side, and where every card scores alike it plays the Classic
// card it was given.
TEST(Expert, PlaysForItsOwnSideAndFallsBackToTheClassicCardOnATie) {
  ExpertPlayer expert(3, 6);
  expert.SetTimeBudget(0);
  const GameState s = LastTwoTricks(3);
  const ExpertChoice defence = expert.SearchCard(s, kSouth, 1, test::Card("2S"));
  EXPECT_EQ(defence.choice, test::Card("AD")) << "the defender cashes its Ace";
  EXPECT_EQ(defence.reached, defence.layouts);
  // Holding the Ace and King of Diamonds, either plays the same: the Classic card is played.
  const GameState alike = LastTwoTricks(3, {"AD", "KD"});
  for (const char* classic : {"KD", "AD"})
    EXPECT_EQ(expert.SearchCard(alike, kSouth, 1, test::Card(classic)).choice, test::Card(classic));
  // With 2 tricks taken the Solo cannot be made whatever South leads, but the Ace keeps West to
  // fewer tricks: the cards are told apart by the tricks, not left to the Classic card.
  EXPECT_EQ(expert.SearchCard(LastTwoTricks(2), kSouth, 1, test::Card("2S")).choice, test::Card("AD"));
}

// A contract made in exactly the share asked for is bid, even at a confidence of 100 %: West
// holding all thirteen Spades and leading, Abundance Declared; under the Standard rules, West's
// seven low Diamonds and six low Clubs, a Misere. They count 7 with Diamonds trumps (the Classic
// trumps of West's deal) but 2 with Hearts, turned up: a hand is counted with the trumps on the table.
TEST(Expert, BidsAContractMadeInExactlyTheShareAsked) {
  struct Case {
    bool standard;
    int leader, bid;
    bool (*west)(const Card&);
  };
  const Case cases[] = {
      {false, kWest, kAbundanceDeclared, [](const Card& c) { return c.Suit == kSpades; }},
      {true, kNorth, kMisere, [](const Card& c) { return c.Value <= (c.Suit == kDiamonds ? 8 : c.Suit == kClubs ? 7 : 0); }},
  };
  for (const Case& c : cases) {
    GameState s = test::FreshState();
    const int others[3] = {kSouth, kNorth, kEast};
    int next = 0;
    for (int card = 1; card <= kCards; ++card) SetOwner(s, card, c.west(s.Pack[card]) ? kWest : others[next++ % 3]);
    s.standard = c.standard;
    s.dealer = kWest;
    s.leader = c.leader;
    s.trumps = kHearts;
    ExpertPlayer certain(5, 4, 1.0);
    certain.SetTimeBudget(0);
    EXPECT_EQ(certain.SearchBid(s, kWest).choice, c.bid);
  }
}

// The layouts fit the bids: West bid Solo and North and East passed. Classic seats bid by their
// count, so every layout gives West a hand counting to a Solo, and North and East a pass or a
// Solo (a Solo offered by a later seat than West's loses to West's). An Expert bids its Misere
// up to a count of 5, and among three Classic seats passes none from 6: when North bids, West
// (before it) passed below 6.
TEST(Expert, LayoutsFitWhatTheSeatsBid) {
  GameState s = test::FreshState();
  for (int card = 1; card <= kCards; ++card) SetOwner(s, card, (card * 7) % 4);
  s.dealer = kEast;
  const int trumps = kSpades;  // East's deal
  using U = Bidder;
  struct Case {
    PerSeat<int> spoke;
    std::array<Bidder, kSeats> bidders;
    std::function<bool(const std::function<int(int)>&)> fits;  // given each seat's count
  };
  const Case cases[] = {
      {{kPass, kSolo, kPass, kPass}, {U::Unknown, U::Classic, U::Classic, U::Classic},
       [](const auto& count) {
         return BidForPoints(count(kWest)) == kSolo && BidForPoints(count(kNorth)) <= kSolo &&
                BidForPoints(count(kEast)) <= kSolo;
       }},
      {{-1, kMisere, kPass, kPass}, {U::Unknown, U::Expert, U::Expert, U::Expert},
       [](const auto& count) { return count(kWest) <= kExpertMisereCountTo; }},
      {{-1, kPass, kSolo, kPass}, {U::Classic, U::Expert, U::Classic, U::Classic},
       [](const auto& count) {
         return count(kWest) < kCountsSoloAgainstClassicFrom && BidForPoints(count(kNorth)) == kSolo &&
                BidForPoints(count(kEast)) <= kSolo;
       }},
  };
  for (const Case& c : cases) {
    s.spoke = c.spoke;
    std::mt19937_64 random(3);
    int fitted = 0;
    for (int i = 0; i < 40; ++i) {
      std::array<std::uint64_t, 4> hands{};
      ASSERT_TRUE(SampleLayout(s, kSouth, random, hands, [&](const auto& h) { return FitsBids(s, c.bidders, h); }));
      const bool fits = c.fits([&](int seat) { return CountBidPoints(hands[seat], trumps).points; });
      fitted += fits;
      EXPECT_EQ(fits, FitsBids(s, c.bidders, hands));
    }
    EXPECT_GT(fitted, 30) << "almost every layout fits; the rest are the sampler's fallback";
  }
  // With no computer bid, a pass says nothing before the round is over; a seat of unknown
  // play says nothing at all.
  s.spoke = {-1, kPass, kPass, -1};
  std::mt19937_64 random(4);
  std::array<std::uint64_t, 4> any{};
  ASSERT_TRUE(SampleLayout(s, kSouth, random, any));
  EXPECT_TRUE(FitsBids(s, {U::Unknown, U::Classic, U::Expert, U::Classic}, any));
  s.spoke = {kPass, kSolo, kPass, kPass};
  EXPECT_TRUE(FitsBids(s, {U::Unknown, U::Unknown, U::Unknown, U::Unknown}, any));
}

// Classic seats play by a rule of their hand and what the table saw, so their cards so far tell
// of their hands. The hands as they really are always fit the cards played; a layout drawn with
// no regard to them often does not (the rule leads a master Ace, say, when it holds one); and
// the layouts drawn to fit do, but for the rare one the sampler's mending could not bring round.
TEST(Expert, LayoutsFitTheCardsClassicSeatsPlayed) {
  struct Watching : ExpertPlayer {
    using ExpertPlayer::ExpertPlayer;
    ComputerPlayer classic;
    std::mt19937_64 random{8};
    int decisions = 0, checked = 0, trueFits = 0, blindFits = 0, drawnFits = 0, drawn = 0, loseChecked = 0;
    int OfferBid(Game& g, int seat) override { return classic.OfferBid(g, seat); }
    int Bid(Game& g, int seat) override { return classic.Bid(g, seat); }
    int Card(Game& g, int seat, int position, bool playToLose) override {
      const GameState& s = g.s;
      ClassicPlays plays(s, {Bidder::Unknown, Bidder::Classic, Bidder::Classic, Bidder::Classic}, seat);
      if (plays.checks() > 0) {
        ++decisions, checked += plays.checks(), loseChecked += playToLose;
        trueFits += plays.Fits(s.Hand) == 1;
        std::array<std::uint64_t, 4> hands{};
        EXPECT_TRUE(SampleLayout(s, seat, random, hands));
        blindFits += plays.Fits(hands) == 1;
        if (SampleLayout(s, seat, random, hands, [&](const auto& h) { return plays.Fits(h); }))
          drawnFits += plays.Fits(hands) == 1, ++drawn;
      }
      return classic.Card(g, seat, position, playToLose);
    }
  };
  const auto dir = test::FreshFolder();
  SimGame sim(dir.string(), 11);
  Watching south(3, 1);
  sim.g.players[kSouth] = &south;
  test::PlayHands(sim, 30);
  EXPECT_GT(south.decisions, 150);
  EXPECT_GT(south.loseChecked, 0) << "a Misere's cards are checked by the rules to lose";
  EXPECT_EQ(south.trueFits, south.decisions) << "the cards as played, checked one by one: " << south.checked;
  EXPECT_LT(south.blindFits, south.decisions / 2);
  EXPECT_GT(south.drawnFits, south.drawn * 9 / 10);
  std::filesystem::remove_all(dir);
}

// An Expert's Solo makes a strong hand likely: the layouts give the Solo's Expert West a count of
// 8 or more far more often than the cards alone would, and its Misere a count of 1 or less.
TEST(Expert, LayoutsLeanToTheHandsAnExpertBidsOn) {
  GameState s = test::FreshState();
  for (int card = 1; card <= kCards; ++card) SetOwner(s, card, (card * 7) % 4);
  s.dealer = kEast;
  using U = Bidder;
  const std::array<Bidder, kSeats> experts{U::Unknown, U::Expert, U::Expert, U::Expert};
  using Likely = bool (*)(int);  // of West's count
  for (const auto& [bid, likely] : {std::pair<int, Likely>{kSolo, [](int count) { return count >= 8; }},
                                    std::pair<int, Likely>{kMisere, [](int count) { return count <= 1; }}}) {
    s.spoke = {-1, bid, kPass, kPass};
    int heard = 0, unheard = 0;
    std::mt19937_64 random(5);
    for (int i = 0; i < 100; ++i) {
      std::array<std::uint64_t, 4> hands{};
      ASSERT_TRUE(SampleLayout(s, kSouth, random, hands, [&](const auto& h) {
        return FitsBids(s, experts, h) ? ShownBidLikelihood(s, experts, h, kSouth) : 0.0;
      }));
      heard += likely(CountBidPoints(hands[kWest], kSpades).points);
      ASSERT_TRUE(SampleLayout(s, kSouth, random, hands));
      unheard += likely(CountBidPoints(hands[kWest], kSpades).points);
    }
    EXPECT_GT(heard, std::max(3 * unheard, 15)) << bid << " " << unheard;
  }
}

// A higher share never reads as a lower chance, nor a Misere on the deals where the Experts beat
// far more as a higher chance than on others.
TEST(Expert, BidChancesRiseWithTheShare) {
  using D = MisereDeal;
  for (int code : {kSolo, kMisere, kAbundanceTrumps, kAbundanceDeclared})
    for (double share = 0.05; share < 0.9; share += 0.1) {
      for (const auto& [classic, deal] : {std::pair{false, D::Other}, {true, D::Other}, {false, D::Shuffled}})
        EXPECT_LE(MadeInPlay(code, share, classic, deal), MadeInPlay(code, share + 0.1, classic, deal));
      EXPECT_LE(MadeInPlay(code, share, false, D::Shuffled), MadeInPlay(code, share)) << code << " " << share;
    }
}

// The four hands of a pack shuffled from `seed`, dealt a card at a time.
std::array<std::uint64_t, 4> ShuffledHands(std::uint64_t seed) {
  std::array<int, kCards> pack{};
  for (int i = 0; i < kCards; ++i) pack[i] = i;
  std::shuffle(pack.begin(), pack.end(), std::mt19937_64(seed));
  std::array<std::uint64_t, 4> hands{};
  for (int i = 0; i < kCards; ++i) hands[i % 4] |= std::uint64_t{1} << pack[i];
  return hands;
}

// Played on from the first lead with the card the Classic rules choose, a hand comes out as the
// Classic play-out from its start; every call starts again from the table as it is, whatever
// an earlier call with the same scratch state played.
TEST(Expert, PlayingOnFromTheFirstLeadIsTheClassicPlayOut) {
  struct Row {
    int code, trumps;
    std::uint64_t seed;
  };
  for (const Row& row : {Row{kSolo, kHearts, 1}, Row{kSolo, kSpades, 2}, Row{kMisere, kNoTrumps, 3},
                         Row{kAbundanceTrumps, kClubs, 4}, Row{kMisere, kNoTrumps, 5}}) {
    const std::array<std::uint64_t, 4> hands = ShuffledHands(row.seed);
    GameState s = test::FreshState();
    s.trumps = row.trumps;
    s.leader = kNorth;
    const int made = ClassicPlayOut(s, hands, kWest, row.code);
    // The same hand as the table holds it at the first lead.
    for (int seat = 0; seat < kSeats; ++seat)
      for (std::uint64_t rest = hands[seat]; rest; rest &= rest - 1) SetOwner(s, std::countr_zero(rest) + 1, seat);
    KindFlags(s, row.code)[kWest] = true;
    s.declarer = kWest;
    for (int i = 0; i < 4; ++i) s.trick[i] = {(kNorth + i) % kSeats, -1};
    const bool lose = ContractOf(row.code).toLose;
    const int first = ChooseCard(s, kNorth, 1, lose);
    GameState scratch = s;
    const int other = std::countr_zero(hands[kNorth] & ~CardBit(first)) + 1;
    PlayedOnTricks(scratch, s, hands, 1, other, lose);
    EXPECT_EQ(PlayedOnTricks(scratch, s, hands, 1, first, lose), made) << row.seed;
  }
}

// Looking ahead as the Experts do, defenders beat Misere that defenders playing by the Classic
// rules let through, far more often than a declarer looking ahead saves one they beat.
TEST(Expert, LookingAheadBeatsMoreMisere) {
  GameState s = test::FreshState();
  s.leader = kNorth;
  int beaten = 0, saved = 0;
  for (std::uint64_t seed = 1; seed <= 1500; ++seed) {
    const std::array<std::uint64_t, 4> hands = ShuffledHands(seed);
    if (CountBidPoints(hands[kWest], kHearts).points > kExpertMisereCountTo) continue;
    const bool classic = ClassicPlayOut(s, hands, kWest, kMisere) == 0;
    const bool lookahead = LookaheadPlayOut(s, hands, kWest, kMisere) == 0;
    beaten += classic && !lookahead;
    saved += lookahead && !classic;
  }
  EXPECT_GT(beaten, 3 * saved) << beaten << " " << saved;
}

// With every hand known (a goulash), an Expert bids only what it makes: a contract the best
// defence beats only when played out as its defenders will play it, a Classic South by the
// Classic rules and the other Experts seeing every card. A table of a Classic South and three
// Experts, playing every hand as it would be played at the table. (On this seed every Expert's
// goulash hand tells one cut; a hand that allows two is bid on by the odds of the two.)
TEST(Expert, OnAGoulashAnExpertMakesWhatItBids) {
  const auto dir = test::FreshFolder();
  SimulationOptions options = test::ReproducibleExperts(dir, 40, 78, {false, true, true, true}, 3, 1);
  int bid = 0, made = 0, playedOut = 0;
  options.bidOutcome = [&](int, double share, bool madeInPlay, bool goulash, bool) {
    if (!goulash) return;
    ++bid;
    made += madeInPlay;
    playedOut += share < 1;
  };
  Simulate(options);
  std::filesystem::remove_all(dir);
  EXPECT_EQ(made, bid);
  EXPECT_GT(playedOut, 0) << "some bid only because its defenders would let it through";
}

// Under the Standard rules the layouts fit the auction: with every seat calling by the Classic
// count, the hands dealt always fit the calls heard, and two seats' hands swapped fit only when
// the auction would have gone the same (with seats unknown, anything fits).
TEST(Expert, LayoutsFitTheStandardAuction) {
  using U = Bidder;
  const std::array<Bidder, kSeats> classic{U::Classic, U::Classic, U::Classic, U::Classic};
  int differed = 0;
  for (std::uint64_t seed = 1; seed <= 200; ++seed) {
    GameState s = test::FreshState();
    s.standard = true;
    s.dealer = static_cast<int>(seed % kSeats);
    std::array<std::uint64_t, 4> hands{};
    for (int i = 0; const std::uint64_t dealt : ShuffledHands(seed)) hands[(s.dealer + 1 + i++) % kSeats] = dealt;
    s.turnedUp = std::countr_zero(hands[s.dealer]) + 1;  // whichever of the dealer's cards
    s.trumps = s.Pack[s.turnedUp].Suit;
    const auto auction = [&](const std::array<std::uint64_t, 4>& held) {
      std::vector<std::array<int, 2>> calls;
      Auction a(s.dealer);
      while (!a.over()) {
        const int seat = a.turn, call = ComputerCall(held[seat], s.trumps, a);
        calls.push_back({seat, call});
        a.Call(call);
      }
      return calls;
    };
    s.calls = auction(hands);
    EXPECT_TRUE(FitsCalls(s, classic, hands)) << seed;
    std::array<std::uint64_t, 4> swapped = hands;
    std::swap(swapped[kWest], swapped[kEast]);
    const bool same = auction(swapped) == s.calls;
    differed += !same;
    EXPECT_EQ(FitsCalls(s, classic, swapped), same) << seed;
    EXPECT_TRUE(FitsCalls(s, {U::Unknown, U::Expert, U::Unknown, U::Expert}, swapped)) << seed;
  }
  EXPECT_GT(differed, 50) << "the swaps try the calls";
}

}  // namespace
}  // namespace solo
