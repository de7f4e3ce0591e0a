/**
 * The commands: the registry that runs a command line (plugins' commands first, then the
 * server's own), the server's own commands, and the console as a command sender. Uses plugin,
 * game and the floors below.
 */
package net.cubeworks.world.command;
