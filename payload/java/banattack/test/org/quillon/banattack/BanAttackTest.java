package org.quillon.banattack;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertSame;
import static org.junit.Assert.assertTrue;

import java.net.InetAddress;
import java.net.InetSocketAddress;
import java.net.UnknownHostException;
import java.util.ArrayList;
import java.util.Collection;
import java.util.Collections;
import java.util.List;

import net.md_5.bungee.api.ProxyServer;
import net.md_5.bungee.api.connection.ProxiedPlayer;
import net.md_5.bungee.api.event.ServerConnectEvent;
import net.md_5.bungee.api.event.ServerDisconnectEvent;
import net.md_5.bungee.api.plugin.PluginManager;

import org.junit.After;
import org.junit.Before;
import org.junit.Test;

/** The flood protection against a fake proxy and fake players. */
public class BanAttackTest {
    private static final String TOO_FAST = "§c登陆过快";
    private static final long T0 = 1000000L;

    /** A connected player who remembers the reasons it was disconnected with. */
    static final class FakePlayer implements ProxiedPlayer {
        final String name;
        final InetSocketAddress address;
        final List<String> kicks = new ArrayList<String>();

        FakePlayer(String name, String ip, int port) throws UnknownHostException {
            this.name = name;
            this.address = new InetSocketAddress(InetAddress.getByName(ip), port);
        }

        @Override public String getName() { return name; }
        @Override public InetSocketAddress getAddress() { return address; }
        @Override public void disconnect(String reason) { kicks.add(reason); }
    }

    static final class FakeProxy extends ProxyServer {
        final List<ProxiedPlayer> players = new ArrayList<ProxiedPlayer>();
        final PluginManager plugins = new PluginManager();

        @Override public Collection<ProxiedPlayer> getPlayers() { return Collections.unmodifiableList(players); }
        @Override public PluginManager getPluginManager() { return plugins; }
    }

    private FakeProxy proxy;
    private BanAttack plugin;

    @Before
    public void setUp() {
        proxy = new FakeProxy();
        ProxyServer.setInstance(proxy);
        plugin = new BanAttack();
        plugin.fixedNow = T0;
        plugin.onEnable();
    }

    @After
    public void tearDown() {
        ProxyServer.setInstance(null);
    }

    /** The player joins the proxy (if not yet there) and connects to a server; true when let through. */
    private boolean connect(FakePlayer player) {
        if (!proxy.players.contains(player)) {
            proxy.players.add(player);
        }
        ServerConnectEvent event = new ServerConnectEvent(player);
        plugin.onServerConnect(event);
        return !event.isCancelled();
    }

    private void leave(FakePlayer player) {
        plugin.onServerDisconnect(new ServerDisconnectEvent(player));
    }

    @Test
    public void enableRegistersThePluginAsListener() {
        assertEquals(1, proxy.plugins.getListeners().size());
        assertSame(plugin, proxy.plugins.getListeners().get(0));
    }

    @Test
    public void secondConnectionWithinTenSecondsIsRefusedWithoutMovingTheTime() throws Exception {
        FakePlayer a = new FakePlayer("a", "10.0.0.1", 50000);
        FakePlayer b = new FakePlayer("b", "10.0.0.1", 50001);
        assertTrue(connect(a));
        assertTrue(a.kicks.isEmpty());

        plugin.fixedNow = T0 + 5000;
        assertFalse(connect(b));
        assertEquals(Collections.singletonList(TOO_FAST), b.kicks);
        assertEquals(1, plugin.connectionCount("10.0.0.1"));

        // Ten seconds after the accepted connection, not after the refused one.
        plugin.fixedNow = T0 + 9999;
        assertFalse(connect(b));
        plugin.fixedNow = T0 + 10000;
        assertTrue(connect(b));
        assertEquals(2, plugin.connectionCount("10.0.0.1"));
        assertEquals(2, b.kicks.size());
    }

    @Test
    public void sixthCountedConnectionBansTheAddress() throws Exception {
        List<FakePlayer> flood = new ArrayList<FakePlayer>();
        FakePlayer bystander = new FakePlayer("ok", "10.0.0.9", 40000);
        assertTrue(connect(bystander));
        for (int i = 0; i < 5; i++) {
            FakePlayer p = new FakePlayer("bot" + i, "10.0.0.1", 50000 + i);
            flood.add(p);
            plugin.fixedNow = T0 + i * 10000L;
            assertTrue(connect(p));
        }
        assertFalse(plugin.isBanned("10.0.0.1"));
        for (FakePlayer p : flood) {
            assertTrue(p.kicks.isEmpty());
        }

        FakePlayer sixth = new FakePlayer("bot5", "10.0.0.1", 50005);
        flood.add(sixth);
        plugin.fixedNow = T0 + 50000;
        connect(sixth);
        assertTrue(plugin.isBanned("10.0.0.1"));
        for (FakePlayer p : flood) {
            assertEquals(p.name, Collections.singletonList(""), p.kicks);
        }
        assertTrue(bystander.kicks.isEmpty());
        assertFalse(plugin.isBanned("10.0.0.9"));

        // Once banned, every connection is cancelled without a message and not counted.
        proxy.players.clear();
        FakePlayer later = new FakePlayer("later", "10.0.0.1", 50100);
        plugin.fixedNow = T0 + 3600000;
        assertFalse(connect(later));
        assertTrue(later.kicks.isEmpty());
        assertEquals(6, plugin.connectionCount("10.0.0.1"));
    }

    @Test
    public void disconnectsLowerTheCountAndKeepTheAddressBelowTheLimit() throws Exception {
        FakePlayer p = new FakePlayer("p", "10.0.0.1", 50000);
        for (int i = 0; i < 8; i++) {
            plugin.fixedNow = T0 + i * 10000L;
            assertTrue(connect(p));
            leave(p);
        }
        assertEquals(0, plugin.connectionCount("10.0.0.1"));
        assertFalse(plugin.isBanned("10.0.0.1"));
        assertTrue(p.kicks.isEmpty());

        // An address that never connected gets no count from a disconnect.
        FakePlayer other = new FakePlayer("o", "10.0.0.3", 50000);
        leave(other);
        assertEquals(0, plugin.connectionCount("10.0.0.3"));
    }

    @Test
    public void refusedAttemptStillRunsTheSweep() throws Exception {
        // Six connections counted while none of the address's players was on the proxy's list,
        // so no sweep found them; a too-fast attempt then sweeps the one that is there.
        for (int i = 0; i < 6; i++) {
            plugin.fixedNow = T0 + i * 10000L;
            ServerConnectEvent event = new ServerConnectEvent(new FakePlayer("ghost", "10.0.0.1", 50000 + i));
            plugin.onServerConnect(event);
            assertFalse(event.isCancelled());
        }
        assertFalse(plugin.isBanned("10.0.0.1"));

        FakePlayer q = new FakePlayer("q", "10.0.0.1", 50010);
        plugin.fixedNow = T0 + 50001;
        assertFalse(connect(q));
        assertEquals(java.util.Arrays.asList(TOO_FAST, ""), q.kicks);
        assertTrue(plugin.isBanned("10.0.0.1"));
        assertEquals(6, plugin.connectionCount("10.0.0.1"));
    }
}
