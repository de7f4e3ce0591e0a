/**
 * The transport: the listening socket, one connection per client with its reader and writer
 * threads and their bounds, encryption, the login handshake and the account check of online
 * mode. What a connection asks of the game goes through ConnectionHandler. Uses protocol and
 * the floors below it.
 */
package net.cubeworks.world.net;
