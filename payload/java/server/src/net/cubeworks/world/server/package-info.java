/**
 * The server: start-up in the working directory, the wiring of the game, plugins, commands and
 * network, shutdown, and the plugin API's Server. The only package that holds the server
 * object. Uses every floor below.
 */
package net.cubeworks.world.server;
