package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.io.ByteArrayOutputStream;
import java.util.Collections;
import java.util.List;
import java.util.UUID;

import org.bukkit.entity.EntityType;
import org.junit.After;
import org.junit.Before;
import org.junit.Rule;
import org.junit.Test;
import org.junit.rules.TemporaryFolder;

import net.cubeworks.world.game.entity.TrackedPosition;
import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;

/** Entities of any kind in the one registry, shown to players by the one tracker, and the API on their state. */
public class EntityTrackingTest {
    @Rule
    public TemporaryFolder folder = new TemporaryFolder();

    private Game game;
    private OnlinePlayer alex;

    /** A kind of entity of the test's own, shown by a packet that names its id. */
    private static final class Marker extends WorldEntity {
        private final int range;
        private final Game game;

        Marker(Game game, int range, double x, double z) {
            super(game.entities().nextId(), UUID.randomUUID(), game.lock());
            this.game = game;
            this.range = range;
            this.x = x;
            this.y = 4;
            this.z = z;
            sent.reset(this, 0);
        }

        public List<PacketOut> spawnPackets(int viewerProtocol) {
            return Collections.singletonList(PlayPackets.entityHeadLook(getEntityId(), 0));
        }

        public int trackingRange() {
            return range;
        }

        private static <T> T none() {
            throw new UnsupportedOperationException();
        }

        protected net.cubeworks.world.game.entity.Entities registry() {
            return game.entities();
        }

        // the API members a marker has no use for
        public org.bukkit.Location getLocation() {
            return new org.bukkit.Location(null, x, y, z);
        }

        public org.bukkit.World getWorld() {
            return none();
        }

        public boolean teleport(org.bukkit.Location location,
                org.bukkit.event.player.PlayerTeleportEvent.TeleportCause cause) {
            return none();
        }

        public org.bukkit.Server getServer() {
            return none();
        }

        public EntityType getType() {
            return EntityType.UNKNOWN;
        }
    }

    @Before
    public void setUp() {
        game = TestGames.flat(folder.getRoot());
        alex = TestGames.join(game, "Alex", game.entities().nextId(), 0.5, 4, 0.5);
    }

    @After
    public void tearDown() {
        game.world().close();
    }

    /** What Alex's client was sent over the ticks. */
    private byte[] tick(int n) {
        ByteArrayOutputStream got = new ByteArrayOutputStream();
        synchronized (game.lock()) {
            for (int i = 0; i < n; i++) {
                for (Object[] out : game.world().tick()) {
                    if (out[0] == alex) {
                        got.write((byte[]) out[1], 0, ((byte[]) out[1]).length);
                    }
                }
            }
        }
        return got.toByteArray();
    }

    private static boolean contains(byte[] all, PacketOut packet) {
        byte[] part = packet.frame();
        outer:
        for (int i = 0; i + part.length <= all.length; i++) {
            for (int j = 0; j < part.length; j++) {
                if (all[i + j] != part[j]) {
                    continue outer;
                }
            }
            return true;
        }
        return false;
    }

    @Test
    public void anyKindIsShownInItsRangeMovedAndDestroyedWhenItGoes() {
        Marker near = new Marker(game, 64, 5.5, 5.5);
        Marker beyondItsRange = new Marker(game, 8, 20.5, 0.5); // in a column Alex has, but 20 blocks off
        game.entities().add(near);
        game.entities().add(beyondItsRange);
        assertTrue("ids come from one allocator", near.getEntityId() > alex.getEntityId());

        byte[] first = tick(1);
        assertTrue(contains(first, PlayPackets.entityHeadLook(near.getEntityId(), 0)));
        assertFalse(contains(first, PlayPackets.entityHeadLook(beyondItsRange.getEntityId(), 0)));
        assertEquals("its own tick ran", 1, near.getTicksLived());

        synchronized (game.lock()) {
            near.x += 1; // 32 in fixed point: a relative move
        }
        assertTrue(contains(tick(1), PlayPackets.entityRelativeMove(near.getEntityId(), 32, 0, 0)));

        near.remove();
        byte[] last = tick(1);
        assertTrue(contains(last, PlayPackets.destroyEntities(Collections.singletonList(near.getEntityId()))));
        assertNull("the world forgets what is gone", game.entities().byId(near.getEntityId()));
        assertEquals(TrackedPosition.fixed(6.5), near.sent.x);
    }

    @Test
    public void theApiReadsAndWritesThePlayersOwnState() {
        synchronized (game.lock()) {
            alex.fireTicks = 100;
            alex.fallDistance = 3.5f;
            alex.exhaustion = 2f;
        }
        assertEquals(100, alex.getFireTicks());
        assertEquals(3.5f, alex.getFallDistance(), 0f);
        assertEquals(2f, alex.getExhaustion(), 0f);
        alex.setFireTicks(40);
        alex.setFallDistance(0f);
        assertEquals(40, alex.fireTicks);
        assertEquals(0f, alex.fallDistance, 0f);
        tick(3);
        assertEquals(3, alex.getTicksLived());
        assertTrue(game.world().api().getEntities().contains(alex));
    }
}
