/**
 * Small helpers of no floor: the YAML and properties readers plugins and settings use, Base64,
 * and the splitting of command lines into words. Uses nothing of the server.
 */
package net.cubeworks.world.util;
