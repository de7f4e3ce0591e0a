/**
 * Crafting recipes and their matching: the recipe book read from the recipes text that
 * ships with the server, and what a 2x2 or 3x3 grid of items makes. Pure logic; uses
 * nothing of the server.
 */
package net.cubeworks.world.crafting;
