/**
 * A player's hands on the world: digging and its waits, the cracks others see and what a break
 * gives and leaves ({@code BlockBreaking}), placing a block and the right clicks a block or the
 * item in hand takes (a bucket, a hoe, seeds, a lighter, food; {@code Interaction}), throwing a
 * snowball or an egg ({@code Throwing}), and what else his hands do: the slot held, arm swings,
 * hits and clicks on players and mobs, a creative player's slots ({@code Hands}).
 * {@code BlockReach} says which blocks he may reach (his client holds the column, the spawn is not
 * protected from him) and shows the others near what he did. What these need of the rules above
 * them they ask through small interfaces the game answers: the plugins' say on clicks on blocks
 * ({@code BlockAsks}), his hits on other players ({@code Fights}), the block entities kept in
 * the columns. Uses the block rules and the world's blocks, the ground items, the mobs, the player
 * with his hunger, eating and the player list, the events and the floors below.
 */
package net.cubeworks.world.game.interaction;
