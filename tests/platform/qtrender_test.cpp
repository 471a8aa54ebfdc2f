#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "platform/qt/qtsurface.h"
#include "qtapp.h"
#include "render/drawscene.h"
#include "render/literal.h"
#include "tests/render/scenes.h"

namespace {

// Pixels that differ between two pictures of the same size.
int differing(const QImage& a, const QImage& b) {
  int count = 0;
  for (int y = 0; y < a.height(); ++y) {
    const auto* p = reinterpret_cast<const uint32_t*>(a.constScanLine(y));
    const auto* q = reinterpret_cast<const uint32_t*>(b.constScanLine(y));
    for (int x = 0; x < a.width(); ++x) count += p[x] != q[x];
  }
  return count;
}

// The game's picture against the reference drawn operation by operation with Qt's painter.
int againstreference(const gamestate& g, int width, int height) {
  qtsurface reference;
  reference.setsize(width, height);
  drawsceneliteral(g, reference);
  qtsurface game;
  game.setsize(width, height);
  drawscene(g, game);
  return differing(reference.image(), game.image());
}

TEST(QtRender, FastPictureMatchesTheReferenceOverRandomScenes) {
  // Skipping hidden cubes and writing pixels directly must never change a single pixel: any cell
  // size, view, surface size (odd or even, so origins end in .5) and well contents.
  qtapp();
  std::mt19937 rng(4242);
  for (int round = 0; round < 120; ++round) {
    auto g = std::make_unique<gamestate>();
    const bool whole = round % 3 != 0;
    scenes::randomscene(*g, rng, whole);
    const int width = std::uniform_int_distribution(60, 420)(rng);
    const int height = std::uniform_int_distribution(60, 420)(rng);
    ASSERT_EQ(againstreference(*g, width, height), 0)
        << "round " << round << " view " << g->view << " cell " << g->squarewidth << " x "
        << g->squareheight << " well " << g->wellwidth << " x " << g->wellheight << " area "
        << width << " x " << height;
  }
}

}  // namespace
