package net.cubeworks.world.net;

import java.net.Socket;

/** Test fixtures: connections for worlds driven without a network. */
public final class Connections {
    private Connections() {
    }

    /** A connection to nobody that takes what is sent to it and never writes it anywhere. */
    public static Connection idle() {
        return new Connection(new Socket(), null, null, null);
    }
}
